#pragma once
// Editing the active document: the edit commands on its view's selection,
// the properties, undo and redo, and the view's context menu.
#include "app/frame/feature.h"

#include <functional>

class QPoint;

class CEditFeature final : public IFeature {
  public:
    explicit CEditFeature(IFrameServices& frame);
    void Run(int nId) override;
    void ShowContextMenu(const QPoint& ptGlobal, std::function<void()> onClosed);

  private:
    IFrameServices& m_frame;
};
