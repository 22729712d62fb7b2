#include "app/window/child_frame.h"

#include "app/dialogs/message_box.h"
#include "app/frame/trace.h"
#include "app/platform/document_file_watcher.h"
#include "app/window/document_bar.h"
#include "app/window/schemo_view.h"
#include "doc/library/library_doc.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QVBoxLayout>

CMyMDIChildWnd::CMyMDIChildWnd(std::unique_ptr<CSchemoDoc> doc, const QString& path,
                               const QString& name, QAction* origin, IViewFrame* frame,
                               QWidget* parent, CViewStart start)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)), m_path(path), m_name(name), m_ui(this) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* box = new QWidget(this);
    m_pView = new CSchemoView(*m_pDoc, frame, box, std::move(start));
    m_pBar = new CDocumentBar(*m_pDoc, *m_pView, origin, box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pBar);
    layout->addWidget(m_pView, 1);
    setWidget(box);
    m_pView->m_onZoomChanged = [this](double s) { m_pBar->ShowZoom(s); };
    setFocusProxy(m_pView);
    setWindowTitle(m_name);
    m_pDoc->AddObserver(this);
    m_pFileWatcher = new CDocumentFileWatcher(*this);
    if (auto* library = dynamic_cast<CSchemoLibDoc*>(m_pDoc.get()))
        library->m_onFrameComponent = [this, library] {
            m_pView->FrameComponent();
            TraceLine(QString("COMPONENT %1 %2").arg(m_name).arg(library->Current()));
        };
}

// The view and the bar use the document: they go first.
CMyMDIChildWnd::~CMyMDIChildWnd() {
    m_pDoc->RemoveObserver(this);
    if (auto* library = dynamic_cast<CSchemoLibDoc*>(m_pDoc.get()))
        library->m_onFrameComponent = nullptr;
    delete widget();
}

void CMyMDIChildWnd::SetPath(const QString& path) {
    m_path = path;
    m_name = QFileInfo(path).fileName();
    setWindowTitle(m_name);
    emit ModifiedChanged();
}

void CMyMDIChildWnd::OnDocumentChanged(const CDocChange& change) {
    if (change.nKind == DOCCHANGE_MODIFIED) emit ModifiedChanged();
    if (change.nKind != DOCCHANGE_GEOMETRY && change.nKind != DOCCHANGE_APPEARANCE)
        emit EditStateChanged();
}

void CMyMDIChildWnd::closeEvent(QCloseEvent* event) {
    m_pView->CancelDrag(); // what is dragged goes back before the document is judged or saved
    if (m_pDoc->IsModified()) {
        const auto answer = ShowMessageBox(
            this, QMessageBox::Question, "Tavolin",
            QCoreApplication::translate("CChildFrame", "Salvare le modifiche a %1?").arg(m_name),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        bool bSaved = false;
        if (answer == QMessageBox::Yes) emit SaveRequested(this, &bSaved);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !bSaved)) {
            event->ignore();
            return;
        }
    }
    event->accept();
    QMdiSubWindow::closeEvent(event);
}
