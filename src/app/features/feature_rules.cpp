#include "app/features/feature_rules.h"

#include "app/dialogs/message_box.h"
#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/qt_profile_store.h"
#include "app/window/child_frame.h"
#include "app/window/rules_dock.h"
#include "app/window/schemo_view.h"
#include "app/window/show_in_view.h"
#include "doc/document/settings.h"
#include "qtlayer/qt_translate.h"
#include "view/forms/fab_choices.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

CRulesFeature::CRulesFeature(IFrameServices& frame, const CSettings& settings)
    : m_frame(frame), m_settings(settings) {}

void CRulesFeature::Run(int) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (!child) return;
    CQtProfileStore store;
    CDesignRules rules;
    const std::string refusal =
        ReadFabRules(LoadFabChoices(store), m_settings.nMicronsPerUnit, rules);
    if (!refusal.empty()) {
        ShowMessageBox(m_frame.Window(), QMessageBox::Warning, "Tavolin", TrMessage(refusal));
        return;
    }
    Show(child, Check(child, rules));
}

std::vector<CRuleFinding> CRulesFeature::Check(CMyMDIChildWnd* child, const CDesignRules& rules) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<CRuleFinding> found = CheckDesignRules(child->Document().Primitives(), rules);
    QApplication::restoreOverrideCursor();
    TraceLine(QString("RULES %1").arg(found.size()));
    return found;
}

void CRulesFeature::Show(CMyMDIChildWnd* child, const std::vector<CRuleFinding>& findings) {
    if (!m_pDock) {
        m_pDock = new CRulesDock(m_frame.Window());
        m_frame.Window()->addDockWidget(Qt::BottomDockWidgetArea, m_pDock);
        m_pDock->m_onChosen = [this](const CFindingRow& row) {
            if (!m_pChecked) return;
            m_pChecked->View()->CancelDrag();
            const auto prims = HeldPrimitives(row, m_pChecked->Document().Primitives());
            SelectAndCentre(m_frame.Mdi(), m_pChecked, prims, row.centre);
            TraceLine(
                QString("FINDING %1 %2 %3").arg(prims.size()).arg(row.centre.x).arg(row.centre.y));
        };
    }
    m_pChecked = child;
    m_pDock->SetRows(FindingRows(findings));
    m_pDock->show();
    m_pDock->raise();
    // For scripts: "FINDINGS n x y", the rows and where the first is on the screen.
    if (IsTraceEnabled())
        QTimer::singleShot(0, m_pDock, [dock = m_pDock] {
            const QPoint at = dock->FirstRowOnScreen();
            TraceLine(
                QString("FINDINGS %1 %2 %3").arg(dock->Rows().size()).arg(at.x()).arg(at.y()));
        });
}
