// The main window's handling of the commands of the action table.
#include "app/main_frame.h"

#include "app/about_dialog.h"
#include "app/child_frame.h"
#include "app/config_dialog.h"
#include "app/schemo_view.h"
#include "app/trace.h"
#include "view/commands.h"

#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {
// One under the other (horizontally) or side by side (vertically).
void Tile(QMdiArea* mdi, bool bHorizontal) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdi->subWindowList())
        if (!w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect area = mdi->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (bHorizontal)
            windows[i]->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else
            windows[i]->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    }
}

// Overlapping windows of three quarters of the area, each a title bar lower;
// a maximised window is given back its normal frame first.
void Cascade(QMdiArea* mdi) {
    const QRect area = mdi->viewport()->rect();
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    int offset = 0;
    for (QMdiSubWindow* w : mdi->subWindowList()) {
        if (w->isMinimized()) continue;
        w->showNormal();
        w->setGeometry(QRect(QPoint(offset, offset), size));
        w->raise();
        offset = (offset + 24) % std::max(24, area.height() / 4);
    }
}

// The minimised windows in a row along the bottom.
void ArrangeIcons(QMdiArea* mdi) {
    int x = 0;
    for (QMdiSubWindow* w : mdi->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, mdi->viewport()->height() - w->height());
        x += w->width();
    }
}
} // namespace

void CMainFrame::OnCommand(int nId) {
    const int nTool = CommandTool(nId);
    if (nTool >= 0) {
        m_tools.Choose(nTool);
        return;
    }
    CMyMDIChildWnd* child = ActiveChild();
    // A drag holds primitives out of the drawing: it ends, as Escape ends it,
    // before a command can save, undo or delete without them.
    if (child) child->View()->CancelDrag();
    if (OnEditCommand(nId, child) || OnLibraryCommand(nId, child) || OnClipboardCommand(nId, child)) {
        UpdateCommands();
        return;
    }
    switch (nId) {
    case ID_FILE_NEW: ChooseNew(); break;
    case ID_FILE_OPEN: ChooseOpen(); break;
    case ID_FILE_SAVE: if (child) Save(child); break;
    case ID_FILE_SAVE_AS: if (child) SaveAs(child); break;
    case ID_FILE_CLOSE: if (child) child->close(); break;
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREV: StepWindow(nId == ID_WINDOW_NEXT); break;
    case ID_FILE_PRINT_SETUP: PrinterSetup(); break;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_EXPORT: OnPrintCommand(nId); break;
    case ID_APP_EXIT: close(); break;
    case ID_EDIT_UNDO:
        if (child && child->Document().Undo()) UpdateCommands();
        break;
    case ID_EDIT_REDO:
        if (child && child->Document().Redo()) UpdateCommands();
        break;
    case ID_FIT:
    case ID_REFRESH_DOCUMENT:
    case ID_STRETCH:
    case ID_GRID:
    case ID_SNAP:
    case ID_PCB_MODE:
    case ID_MACRO_ORIGIN:
        if (child) child->View()->OnViewCommand(nId);
        break;
    case ID_VIEW_TOOLBAR: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
    case ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case ID_VIEW_PRIMITIVES_BAR: m_pPrimitivesBar->setVisible(!m_pPrimitivesBar->isVisible()); break;
    case ID_CONFIG:
        if (CConfigDlg(this).exec() == QDialog::Accepted) OnMacroCommand(nId);
        break;
    case ID_VIEW_MACRO_BAR:
    case ID_REFRESH_MACROS: OnMacroCommand(nId); break;
    case ID_APP_ABOUT: CAboutDlg(this).exec(); break;
    case ID_LAYERS: RunLayerDialog(); break;
    case ID_WINDOW_CASCADE: Cascade(m_pMdi); break;
    case ID_WINDOW_TILE_HORZ: Tile(m_pMdi, true); break;
    case ID_WINDOW_TILE_VERT: Tile(m_pMdi, false); break;
    case ID_WINDOW_ARRANGE: ArrangeIcons(m_pMdi); break;
    default: Beep(); break;
    }
    UpdateCommands();
}

void CMainFrame::PrinterSetup() {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog(m_pPrinter.get(), this).exec();
}
