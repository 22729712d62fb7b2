#pragma once
// The commands of the "Libreria" menu on the active library document.
#include "app/frame/feature.h"

class CLibraryFeature final : public IFeature {
  public:
    explicit CLibraryFeature(IFrameServices& frame) : m_frame(frame) {}
    void Run(int nId) override;

  private:
    IFrameServices& m_frame;
};
