// The main window's layers: the table read at start, the current-layer combo
// box on the primitives toolbar and "Gestione Layer".
#include "app/main_frame.h"

#include "app/actions.h"
#include "app/child_frame.h"
#include "app/layer_combo.h"
#include "app/layer_dialog.h"
#include "app/profile_store.h"
#include "app/schemo_view.h"
#include "app/trace.h"
#include "doc/settings.h"
#include "view/layer_choice.h"
#include "view/layer_settings.h"

#include <QMdiArea>
#include <QShortcut>
#include <QToolBar>

namespace {
const char* const kLayerPrompt = "Imposta il layer su cui saranno inseriti i nuovi componenti";
}

void CMainFrame::LoadLayerTable() {
    g_layers = CLayerTable();
    CQtProfileStore store;
    LoadLayers(g_layers, store);
}

// After the tool buttons, seven buttons wide.
void CMainFrame::CreateLayerCombo() {
    m_pLayerCombo = new CLayerCombo(m_pPrimitivesBar);
    m_pLayerCombo->setObjectName("116");
    m_pLayerCombo->setStatusTip(kLayerPrompt);
    m_pLayerCombo->setToolTip("Layer");
    const QWidget* button = m_pPrimitivesBar->widgetForAction(m_pActions->Get(ID_TOOL_SELECT));
    const int nButton =
        button ? button->sizeHint().width() : m_pPrimitivesBar->iconSize().width() + 8;
    m_pLayerCombo->setFixedWidth(7 * nButton);
    m_pLayerCombo->Fill(g_layers, m_nCurrentLayer);
    m_pPrimitivesBar->addSeparator();
    m_pPrimitivesBar->addWidget(m_pLayerCombo);
    connect(m_pLayerCombo, &QComboBox::activated, this,
            [this](int nIndex) { OnLayerChosen(nIndex); });
    auto* key = new QShortcut(QKeySequence("Ctrl+L"), this);
    connect(key, &QShortcut::activated, this,
            [this] { m_pLayerCombo->setFocus(Qt::ShortcutFocusReason); });
}

// A click in the list or an arrow key on the closed box.
void CMainFrame::OnLayerChosen(int nIndex) {
    CMyMDIChildWnd* child = ActiveChild();
    if (child) child->View()->CancelDrag(); // the selection moves: it must be in the drawing
    const int nData = m_pLayerCombo->itemData(nIndex).toInt();
    if (ChooseLayer(nData, m_nCurrentLayer, child ? &child->Document() : nullptr)) UpdateCommands();
    TraceLayer();
}

// For scripts: the layer new primitives go on and the name the box shows.
void CMainFrame::TraceLayer() {
    TraceLine(QString("LAYER %1 %2").arg(m_nCurrentLayer).arg(m_pLayerCombo->currentText()));
}

// A save button puts its columns in force even when the dialog is cancelled,
// so what follows OK follows such a save too.
void CMainFrame::RunLayerDialog() {
    CQtProfileStore store;
    CLayerDlg dlg(g_layers, store, this);
    const bool bOk = dlg.exec() == QDialog::Accepted;
    if (bOk || dlg.SavedAny()) AfterLayerChange();
}

void CMainFrame::AfterLayerChange() {
    for (QMdiSubWindow* w : m_pMdi->subWindowList()) {
        auto* child = qobject_cast<CMyMDIChildWnd*>(w);
        if (!child) continue;
        DeselectHiddenLayers(child->Document(), g_layers);
        child->Document().NotifyAppearance();
    }
    m_pLayerCombo->Fill(g_layers, m_nCurrentLayer);
    UpdateCommands();
    TraceLayer();
}
