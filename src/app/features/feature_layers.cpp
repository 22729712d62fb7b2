// The layers: the table read at start, the current-layer combo box on the
// primitives toolbar and "Gestione Layer".
#include "app/features/feature_layers.h"

#include "app/bars/layer_combo.h"
#include "app/dialogs/layer_dialog.h"
#include "app/frame/actions.h"
#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/qt_profile_store.h"
#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"
#include "doc/document/settings.h"
#include "view/commands/commands.h"
#include "view/forms/layer_choice.h"
#include "view/forms/layer_settings.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QShortcut>
#include <QToolBar>

namespace {
const char* const kLayerPrompt = QT_TRANSLATE_NOOP(
    "CFeatureLayers", "Imposta il layer su cui saranno inseriti i nuovi componenti");
}

CLayersFeature::CLayersFeature(IFrameServices& frame, QToolBar* primitives) : m_frame(frame) {
    g_layers = CLayerTable();
    CQtProfileStore store;
    LoadLayers(g_layers, store);
    CreateLayerCombo(primitives);
}

// A save button puts its columns in force even when the dialog is cancelled,
// so what follows OK follows such a save too.
void CLayersFeature::Run(int) {
    CQtProfileStore store;
    CLayerDlg dlg(g_layers, store, m_frame.Window());
    const bool bOk = dlg.exec() == QDialog::Accepted;
    if (bOk || dlg.SavedAny()) AfterLayerChange();
}

// After the tool buttons, seven buttons wide.
void CLayersFeature::CreateLayerCombo(QToolBar* primitives) {
    m_pLayerCombo = new CLayerCombo(primitives);
    m_pLayerCombo->setObjectName("116");
    m_pLayerCombo->setStatusTip(QCoreApplication::translate("CFeatureLayers", kLayerPrompt));
    m_pLayerCombo->setToolTip(QCoreApplication::translate("CFeatureLayers", "Layer"));
    const QWidget* button = primitives->widgetForAction(m_frame.Actions().Get(ID_TOOL_SELECT));
    const int nButton = button ? button->sizeHint().width() : primitives->iconSize().width() + 8;
    m_pLayerCombo->setFixedWidth(7 * nButton);
    m_pLayerCombo->Fill(g_layers, m_nCurrentLayer);
    primitives->addSeparator();
    primitives->addWidget(m_pLayerCombo);
    connect(m_pLayerCombo, &QComboBox::activated, this,
            [this](int nIndex) { OnLayerChosen(nIndex); });
    auto* key = new QShortcut(QKeySequence("Ctrl+L"), m_frame.Window());
    connect(key, &QShortcut::activated, this,
            [this] { m_pLayerCombo->setFocus(Qt::ShortcutFocusReason); });
}

// A click in the list or an arrow key on the closed box.
void CLayersFeature::OnLayerChosen(int nIndex) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (child) child->View()->CancelDrag(); // the selection moves: it must be in the drawing
    const int nData = m_pLayerCombo->itemData(nIndex).toInt();
    if (ChooseLayer(nData, m_nCurrentLayer, child ? &child->Document() : nullptr))
        m_frame.UpdateCommands();
    TraceLayer();
}

// For scripts: the layer new primitives go on and the name the box shows.
void CLayersFeature::TraceLayer() {
    TraceLine(QString("LAYER %1 %2").arg(m_nCurrentLayer).arg(m_pLayerCombo->currentText()));
}

void CLayersFeature::AfterLayerChange() {
    for (QMdiSubWindow* w : m_frame.Mdi()->subWindowList()) {
        auto* child = qobject_cast<CMyMDIChildWnd*>(w);
        if (!child) continue;
        DeselectHiddenLayers(child->Document(), g_layers);
        child->Document().NotifyAppearance();
    }
    m_pLayerCombo->Fill(g_layers, m_nCurrentLayer);
    m_frame.UpdateCommands();
    TraceLayer();
}
