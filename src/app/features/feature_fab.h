#pragma once
// "Esporta per la produzione...": the active drawing's artwork as a zip of
// Gerber and drill files, with the choices kept between runs, once its design
// rules are met or the user exports anyway.
#include "app/frame/feature.h"

class CRulesFeature;

class CFabFeature final : public IFeature {
  public:
    CFabFeature(IFrameServices& frame, const CSettings& settings, CRulesFeature& rules);
    void Run(int nId) override;

  private:
    IFrameServices& m_frame;
    const CSettings& m_settings;
    CRulesFeature& m_rules;
};
