// The main window's handling of the commands of the action table.
#include "app/main_frame.h"

#include "app/about_dialog.h"
#include "app/child_frame.h"
#include "app/config_dialog.h"
#include "app/drawing_widget.h"
#include "app/trace.h"
#include "view/commands.h"

#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

void CMainFrame::OnCommand(int nId) {
    const int nTool = CommandTool(nId);
    if (nTool >= 0) {
        m_tools.Choose(nTool);
        return;
    }
    CMyMDIChildWnd* child = ActiveChild();
    switch (nId) {
    case ID_FILE_NEW: ChooseNew(); break;
    case ID_FILE_OPEN: ChooseOpen(); break;
    case ID_FILE_SAVE: if (child) Save(child); break;
    case ID_FILE_SAVE_AS: if (child) SaveAs(child); break;
    case ID_APP_EXIT: close(); break;
    case ID_EDIT_UNDO:
        if (child && child->Document().Undo()) UpdateCommands();
        break;
    case ID_EDIT_REDO:
        if (child && child->Document().Redo()) UpdateCommands();
        break;
    case ID_FIT:
    case ID_REFRESH_DOCUMENT: if (child) child->View()->Fit(); break;
    case ID_VIEW_TOOLBAR: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
    case ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case ID_VIEW_PRIMITIVES_BAR: m_pPrimitivesBar->setVisible(!m_pPrimitivesBar->isVisible()); break;
    case ID_CONFIG: CConfigDlg(this).exec(); break;
    case ID_APP_ABOUT: CAboutDlg(this).exec(); break;
    case ID_WINDOW_CASCADE: m_pMdi->cascadeSubWindows(); break;
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_TILE_VERT:
    case ID_WINDOW_ARRANGE: m_pMdi->tileSubWindows(); break;
    default: Beep(); break;
    }
    UpdateCommands();
}
