#pragma once
// "Confronta con...": the active document compared with a drawing chosen on
// disk, in a window of its own; a change chosen there is selected and shown
// in the document.
#include "app/frame/feature.h"

#include <QPointer>

struct CDrawingChange;

class CCompareFeature final : public IFeature {
  public:
    explicit CCompareFeature(IFrameServices& frame) : m_frame(frame) {}
    void Run(int nId) override;

  private:
    void Follow(const QPointer<CMyMDIChildWnd>& child, const CDrawingChange& change);

    IFrameServices& m_frame;
};
