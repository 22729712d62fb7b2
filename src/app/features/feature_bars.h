#pragma once
// The bars shown or hidden, the status bar's idle prompt, and the options:
// "Configurazione".
#include "app/frame/feature.h"

class CMacrosFeature;
class QToolBar;

class CBarsFeature final : public IFeature {
  public:
    CBarsFeature(IFrameServices& frame, QToolBar* common, QToolBar* primitives,
                 CMacrosFeature& macros);
    void Run(int nId) override;

  private:
    IFrameServices& m_frame;
    QToolBar* m_pCommon;
    QToolBar* m_pPrimitives;
    CMacrosFeature& m_macros;
};
