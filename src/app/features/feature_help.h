#pragma once
// The help: the manual in the desktop's browser, "What's this?" and the
// about box.
#include "app/frame/feature.h"

class CHelpFeature final : public IFeature {
  public:
    explicit CHelpFeature(IFrameServices& frame) : m_frame(frame) {}
    void Run(int nId) override;

  private:
    void OpenManual();
    IFrameServices& m_frame;
};
