#include "app/features/feature_bars.h"

#include "app/dialogs/config_dialog.h"
#include "app/features/feature_macros.h"
#include "app/frame/program_context.h"
#include "app/window/document_tabs.h"
#include "doc/document/settings.h"
#include "view/commands/commands.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

namespace {
const char* const kIdlePrompt = QT_TRANSLATE_NOOP("CFeatureBars", "Per informazioni, premere F1");

void Toggle(QWidget* bar) {
    bar->setVisible(!bar->isVisible());
}
} // namespace

CBarsFeature::CBarsFeature(IFrameServices& frame, QToolBar* common, QToolBar* primitives,
                           CMacrosFeature& macros)
    : m_frame(frame), m_pCommon(common), m_pPrimitives(primitives), m_macros(macros) {
    QStatusBar* status = frame.Window()->statusBar();
    status->showMessage(QCoreApplication::translate("CFeatureBars", kIdlePrompt));
    QObject::connect(status, &QStatusBar::messageChanged, status, [status](const QString& m) {
        if (m.isEmpty())
            status->showMessage(QCoreApplication::translate("CFeatureBars", kIdlePrompt));
    });
}

void CBarsFeature::Run(int nId) {
    switch (nId) {
    case ID_VIEW_TOOLBAR:
        Toggle(m_pCommon);
        break;
    case ID_VIEW_STATUS_BAR:
        Toggle(m_frame.Window()->statusBar());
        break;
    case ID_VIEW_PRIMITIVES_BAR:
        Toggle(m_pPrimitives);
        break;
    case ID_CONFIG:
        // The macro bar takes its new width now when shown, else when next shown.
        if (CConfigDlg(m_frame.Window()).exec() != QDialog::Accepted) break;
        m_macros.ApplyWidthIfShown();
        ShowDocumentsAsTabs(m_frame.Mdi(), g_settings.bTabbedView != 0);
        break;
    }
}
