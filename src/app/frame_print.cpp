// The main window's print, print preview and picture export of the active
// document. Printing uses the printer chosen with "Imposta stampante...",
// which is made here on the first print when it was never chosen.
#include "app/main_frame.h"

#include "app/child_frame.h"
#include "app/schemo_view.h"
#include "app/export_dialog.h"
#include "app/print_view.h"
#include "view/commands.h"

#include <QPrinter>

void CMainFrame::OnPrintCommand(int nId) {
    CMyMDIChildWnd* child = ActiveChild();
    if (!child) return;
    if (nId == ID_FILE_EXPORT) {
        SaveAsPicture(this, child->Document(), child->Path(), child->Name());
        return;
    }
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const bool bPCBMode = child->View()->Coords().m_bPCBMode;
    if (nId == ID_FILE_PRINT)
        PrintDrawing(this, *m_pPrinter, child->Document(), bPCBMode, child->Path(), child->Name());
    else if (nId == ID_FILE_PRINT_PREVIEW)
        PreviewDrawing(this, *m_pPrinter, child->Document(), bPCBMode);
}
