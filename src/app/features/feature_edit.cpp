// Editing the active document: the edit commands on its view's selection,
// the properties, undo and redo, and the view's context menu.
#include "app/features/feature_edit.h"

#include "app/dialogs/property_dialog.h"
#include "app/frame/actions.h"
#include "app/frame/program_context.h"
#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"
#include "doc/document/settings.h"
#include "view/commands/action_table.h"
#include "view/commands/commands.h"
#include "view/commands/edit_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>

CEditFeature::CEditFeature(IFrameServices& frame) : m_frame(frame) {
    // Delete is a key of the document windows, not of the macro bar's filter.
    QAction* del = frame.Actions().Get(ID_EDIT_CLEAR);
    del->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    frame.Mdi()->addAction(del);
}

void CEditFeature::Run(int nId) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (!child) return;
    CSchemoDoc& doc = child->Document();
    if (nId == ID_EDIT_UNDO) {
        doc.Undo();
    } else if (nId == ID_EDIT_REDO) {
        doc.Redo();
    } else if (nId == ID_WIRE_DRAG) {
        child->View()->StartWireDrag();
    } else if (nId == ID_PROPERTIES) {
        child->View()->setFocus();
        RunPropertyDialog(child->View(), doc);
    } else if (RunEditCommand(nId, doc, child->View()->Coords(), g_layers)) {
        child->View()->setFocus();
    }
}

// A menu hides before the command chosen in it runs, in the same event: its
// closing is told once that is done.
void CEditFeature::ShowContextMenu(const QPoint& ptGlobal, std::function<void()> onClosed) {
    m_frame.UpdateCommands();
    QMenu* menu = m_frame.Actions().BuildMenu(ContextMenu(), m_frame.Window(), {});
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(menu, &QMenu::aboutToHide, menu,
                     [onClosed] { QTimer::singleShot(0, onClosed); });
    menu->popup(ptGlobal);
}
