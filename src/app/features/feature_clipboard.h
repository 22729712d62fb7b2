#pragma once
// The clipboard: copy, cut and paste on the active view and paste as a new
// document; the commands' enabling follows the clipboard's own notices.
#include "app/frame/feature.h"

class CQtClipboard;

class CClipboardFeature final : public IFeature {
  public:
    explicit CClipboardFeature(IFrameServices& frame);
    void Run(int nId) override;
    bool HasText() const;

  private:
    void PasteAsNewDocument();

    IFrameServices& m_frame;
    CQtClipboard* m_pClipboard;
};
