// The commands of the "Libreria" menu on the active library document.
#include "app/features/feature_library.h"

#include "app/dialogs/number_dialog.h"
#include "app/window/child_frame.h"
#include "doc/library/library_doc.h"
#include "view/commands/commands.h"

#include <QMainWindow>

void CLibraryFeature::Run(int nId) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    auto* library = child ? dynamic_cast<CSchemoLibDoc*>(&child->Document()) : nullptr;
    if (!library) return;
    switch (nId) {
    case ID_LIB_ADD:
        library->NewComponent(CSchemoLibDoc::PLACE_END);
        break;
    case ID_LIB_INSERT_AFTER:
        library->NewComponent(CSchemoLibDoc::PLACE_AFTER);
        break;
    case ID_LIB_INSERT_BEFORE:
        library->NewComponent(CSchemoLibDoc::PLACE_BEFORE);
        break;
    case ID_LIB_REMOVE:
        library->RemoveCurrentComponent();
        break;
    case ID_LIB_NUMBER: {
        library->BeginNumbering();
        CNumberDlg dlg(m_frame.Window(),
                       [library](const CNumbering& n) { return library->ApplyNumbering(n); });
        dlg.exec();
        break;
    }
    }
}
