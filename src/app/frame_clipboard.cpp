// The main window's part in the clipboard: copy, cut and paste on the active
// view, paste as a new document, and the commands' enabling, which follows
// the clipboard's own notices.
#include "app/main_frame.h"

#include "app/actions.h"
#include "app/child_frame.h"
#include "app/qt_clipboard.h"
#include "app/schemo_view.h"
#include "app/trace.h"
#include "doc/settings.h"
#include "view/action_table.h"
#include "view/clipboard.h"
#include "view/commands.h"
#include "view/edit_commands.h"

#include <QAction>

void CMainFrame::SetUpClipboard() {
    m_pClipboard = new CQtClipboard(this);
    connect(m_pClipboard, &CQtClipboard::TextAvailableChanged, this,
            [this] { UpdateClipboardCommands(ActiveChild()); });
}

// True when the command was one of the clipboard's.
bool CMainFrame::OnClipboardCommand(int nId, CMyMDIChildWnd* child) {
    if (nId == ID_PASTE_NEW_DOCUMENT) {
        PasteAsNewDocument();
        return true;
    }
    if (nId != ID_EDIT_COPY && nId != ID_EDIT_CUT && nId != ID_EDIT_PASTE) return false;
    if (!child) return true;
    child->View()->setFocus();
    if (nId == ID_EDIT_COPY) {
        CopySelection(child->Document(), *m_pClipboard, g_settings.bSplit != 0);
    } else if (nId == ID_EDIT_CUT) {
        CutSelection(child->Document(), *m_pClipboard, g_settings.bSplit != 0);
    } else {
        CPrimitiveList pasted;
        const bool bRead = ReadClipboardLines(*m_pClipboard, pasted, nullptr);
        if (bRead) child->View()->StartPaste(std::move(pasted));
        if (child->View()->IsIdle()) Beep(); // nothing to paste
    }
    return true;
}

// Built in memory, never through a file: an untitled document, modified from
// the start, so that closing asks and saving asks for a name.
void CMainFrame::PasteAsNewDocument() {
    CPastedDocument pasted;
    if (!ReadPastedDocument(*m_pClipboard, pasted)) return;
    CMyMDIChildWnd* child = NewDocument(pasted.nDocKind);
    if (!child) return;
    if (!LoadPastedDocument(child->Document(), pasted.text)) {
        child->close();
        return;
    }
    child->View()->StartView();
}

void CMainFrame::UpdateClipboardCommands(CMyMDIChildWnd* child) {
    const std::size_t n = child ? child->Document().Selection().size() : 0;
    const bool bText = m_pClipboard->HasText();
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        m_pActions->Get(id)->setEnabled(child && IsEditCommandEnabled(id, n, bText));
    const bool bNewDocument = IsEditCommandEnabled(ID_PASTE_NEW_DOCUMENT, 0, bText);
    m_pActions->Get(ID_PASTE_NEW_DOCUMENT)->setEnabled(bNewDocument);
    m_pActions->Get(MENU_PASTE_NEW_DOCUMENT)->setEnabled(bNewDocument);
}
