#pragma once
// "Esporta per la produzione...": the active drawing's artwork as a zip of
// Gerber and drill files, with the choices kept between runs.
#include "app/frame/feature.h"

class CFabFeature final : public IFeature {
  public:
    CFabFeature(IFrameServices& frame, const CSettings& settings);
    void Run(int nId) override;

  private:
    IFrameServices& m_frame;
    const CSettings& m_settings;
};
