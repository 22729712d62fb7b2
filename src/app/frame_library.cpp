// The main window's library documents: new and opened libraries and the
// commands of the "Libreria" menu.
#include "app/main_frame.h"

#include "app/actions.h"
#include "app/child_frame.h"
#include "app/number_dialog.h"
#include "app/schemo_view.h"
#include "doc/library_doc.h"
#include "view/commands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace {
CSchemoLibDoc* LibraryOf(CMyMDIChildWnd* child) {
    return child ? dynamic_cast<CSchemoLibDoc*>(&child->Document()) : nullptr;
}

constexpr int kLibraryCommands[] = {ID_LIB_ADD, ID_LIB_INSERT_AFTER, ID_LIB_INSERT_BEFORE,
                                    ID_LIB_REMOVE, ID_LIB_NUMBER};
} // namespace

// "Libreria1" in the window, "Nuova libreria 1" as its title: both count the
// new libraries of the run.
CMyMDIChildWnd* CMainFrame::NewLibrary() {
    auto doc = std::make_unique<CSchemoLibDoc>(nullptr);
    doc->OnNewDocument(m_nNewLibraryCounter++);
    const QString name = QString::fromStdString(m_untitled.Next(DOC_LIBRARY));
    return AddChild(std::move(doc), QString(), name);
}

CMyMDIChildWnd* CMainFrame::OpenLibrary(const QString& path) {
    auto doc = std::make_unique<CSchemoLibDoc>(nullptr);
    CQtDocumentUi ui(this);
    doc->SetUi(&ui);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = doc->LoadFile(QFile::encodeName(path).toStdString());
    QApplication::restoreOverrideCursor();
    if (!ok) return nullptr;
    const QFileInfo info(path);
    return AddChild(std::move(doc), info.absoluteFilePath(), info.fileName());
}

bool CMainFrame::OnLibraryCommand(int nId, CMyMDIChildWnd* child) {
    CSchemoLibDoc* library = LibraryOf(child);
    if (!library) return false;
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
        CNumberDlg dlg(this, [library](const CNumbering& n) { return library->ApplyNumbering(n); });
        dlg.exec();
        break;
    }
    default:
        return false;
    }
    return true;
}

void CMainFrame::UpdateLibraryCommands(CMyMDIChildWnd* child) {
    const bool bLibrary = LibraryOf(child) != nullptr;
    for (int id : kLibraryCommands)
        m_pActions->Get(id)->setEnabled(bLibrary);
}
