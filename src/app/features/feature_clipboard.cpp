// The clipboard: copy, cut and paste on the active view and paste as a new
// document; the commands' enabling follows the clipboard's own notices.
#include "app/features/feature_clipboard.h"

#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/qt_clipboard.h"
#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"
#include "doc/document/settings.h"
#include "view/commands/action_table.h"
#include "view/commands/clipboard.h"
#include "view/commands/commands.h"

#include <QMainWindow>

CClipboardFeature::CClipboardFeature(IFrameServices& frame)
    : m_frame(frame), m_pClipboard(new CQtClipboard(frame.Window(), g_layers)) {
    QObject::connect(m_pClipboard, &CQtClipboard::TextAvailableChanged, frame.Window(),
                     [&frame] { frame.UpdateCommands(); });
}

bool CClipboardFeature::HasText() const {
    return m_pClipboard->HasText();
}

void CClipboardFeature::Run(int nId) {
    if (nId == ID_PASTE_NEW_DOCUMENT || nId == MENU_PASTE_NEW_DOCUMENT) {
        PasteAsNewDocument();
        return;
    }
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (!child) return;
    child->View()->setFocus();
    if (nId == ID_EDIT_COPY) {
        CopySelection(child->Document(), *m_pClipboard, g_settings.bSplit != 0);
    } else if (nId == ID_EDIT_CUT) {
        CutSelection(child->Document(), *m_pClipboard, g_settings.bSplit != 0);
    } else {
        CPrimitiveList pasted;
        const bool bRead = ReadClipboardLines(*m_pClipboard, pasted, nullptr, g_library.context);
        if (bRead) child->View()->StartPaste(std::move(pasted));
        if (child->View()->IsIdle()) Beep(); // nothing to paste
    }
}

// Built in memory, never through a file: an untitled document, modified from
// the start, so that closing asks and saving asks for a name.
void CClipboardFeature::PasteAsNewDocument() {
    CPastedDocument pasted;
    if (!ReadPastedDocument(*m_pClipboard, pasted)) return;
    CMyMDIChildWnd* child = m_frame.NewDocument(pasted.nDocKind);
    if (!child) return;
    if (!LoadPastedDocument(child->Document(), pasted.text)) {
        child->close();
        return;
    }
    child->View()->StartView();
}
