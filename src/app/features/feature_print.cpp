// Print, print preview and picture export of the active document. Printing
// uses the printer chosen with "Imposta stampante...", which is made on the
// first print when it was never chosen.
#include "app/features/feature_print.h"

#include "app/dialogs/export_dialog.h"
#include "app/window/child_frame.h"
#include "app/window/print_view.h"
#include "app/window/schemo_view.h"
#include "view/commands/commands.h"

#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPrinter>

CPrintFeature::CPrintFeature(IFrameServices& frame) : m_frame(frame) {}

CPrintFeature::~CPrintFeature() = default;

QPrinter& CPrintFeature::Printer() {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

void CPrintFeature::Run(int nId) {
    QWidget* window = m_frame.Window();
    if (nId == ID_FILE_PRINT_SETUP) {
        QPageSetupDialog(&Printer(), window).exec();
        return;
    }
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (!child) return;
    CSchemoDoc& doc = child->Document();
    const bool bPCBMode = child->View()->Coords().m_bPCBMode;
    if (nId == ID_FILE_EXPORT)
        SaveAsPicture(window, doc, child->Path(), child->Name());
    else if (nId == ID_FILE_PRINT)
        PrintDrawing(window, Printer(), doc, bPCBMode, child->Path(), child->Name());
    else if (nId == ID_FILE_PRINT_PREVIEW)
        PreviewDrawing(window, Printer(), doc, bPCBMode);
}
