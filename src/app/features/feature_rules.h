#pragma once
// "Controllo delle regole...": the design rules of the fabrication choices
// checked on the active drawing, the findings listed in the "Regole" dock; a
// finding chosen there is selected and shown in its drawing.
#include "app/frame/feature.h"
#include "doc/nets/design_rules.h"

#include <QPointer>

class CRulesDock;

class CRulesFeature final : public IFeature {
  public:
    CRulesFeature(IFrameServices& frame, const CSettings& settings);
    void Run(int nId) override;
    // The check on the child's drawing with these rules, traced "RULES n".
    std::vector<CRuleFinding> Check(CMyMDIChildWnd* child, const CDesignRules& rules);
    void Show(CMyMDIChildWnd* child, const std::vector<CRuleFinding>& findings);

  private:
    IFrameServices& m_frame;
    const CSettings& m_settings;
    CRulesDock* m_pDock = nullptr;
    QPointer<CMyMDIChildWnd> m_pChecked; // whose findings the dock lists
};
