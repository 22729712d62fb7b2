// The main window's part in editing: the edit commands on the active view's
// selection, their enabling, the context menu, and a drag cancelled before
// any command or when another application takes the focus.
#include "app/main_frame.h"

#include "app/actions.h"
#include "app/child_frame.h"
#include "app/property_dialog.h"
#include "app/schemo_view.h"
#include "doc/settings.h"
#include "view/action_table.h"
#include "view/commands.h"
#include "view/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>

namespace {
const int kSelectionCommands[] = {ID_EDIT_CLEAR, ID_ROTATE,   ID_MIRROR,          ID_MAKE_MACRO,
                                  ID_SPLIT_MACRO, ID_EDIT_SELECT_ALL, ID_INVERT_SELECTION};
} // namespace

void CMainFrame::SetUpEditing() {
    for (int id : kSelectionCommands) m_pActions->Get(id)->setEnabled(false);
    // Delete is a key of the document windows, not of the macro bar's filter.
    QAction* del = m_pActions->Get(ID_EDIT_CLEAR);
    del->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_pMdi->addAction(del);
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) CancelDrags();
    });
}

void CMainFrame::CancelDrags() {
    for (QMdiSubWindow* w : m_pMdi->subWindowList())
        if (auto* c = qobject_cast<CMyMDIChildWnd*>(w)) c->View()->CancelDrag();
}

// True when the command was one of the edit commands.
bool CMainFrame::OnEditCommand(int nId, CMyMDIChildWnd* child) {
    if (nId == ID_PROPERTIES) {
        if (child) {
            child->View()->setFocus();
            RunPropertyDialog(child->View(), child->Document());
        }
        return true;
    }
    if (!child || !RunEditCommand(nId, child->Document(), child->View()->Coords(), g_layers))
        return false;
    child->View()->setFocus();
    return true;
}

void CMainFrame::UpdateEditCommands(CMyMDIChildWnd* child) {
    const std::size_t n = child ? child->Document().Selection().size() : 0;
    for (int id : kSelectionCommands)
        m_pActions->Get(id)->setEnabled(child && IsEditCommandEnabled(id, n, false));
    m_pActions->Get(ID_PROPERTIES)->setEnabled(n > 0);
}

void CMainFrame::ShowContextMenu(const QPoint& ptGlobal) {
    UpdateCommands();
    QMenu* menu = m_pActions->BuildMenu(ContextMenu(), this, {});
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(ptGlobal);
}
