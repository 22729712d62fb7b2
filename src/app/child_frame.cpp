#include "app/child_frame.h"

#include "app/drawing_widget.h"
#include "app/message_box.h"

#include <QCloseEvent>
#include <QFileInfo>

CMyMDIChildWnd::CMyMDIChildWnd(std::unique_ptr<CSchemoDoc> doc, const QString& path,
                               const QString& name, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)), m_path(path), m_name(name), m_ui(this),
      m_pView(new CDrawingWidget(*m_pDoc, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_pView);
    setWindowTitle(m_name);
    m_pDoc->AddObserver(this);
}

// The view watches the document: it goes first.
CMyMDIChildWnd::~CMyMDIChildWnd() {
    m_pDoc->RemoveObserver(this);
    delete m_pView;
}

void CMyMDIChildWnd::SetPath(const QString& path) {
    m_path = path;
    m_name = QFileInfo(path).fileName();
    setWindowTitle(m_name);
    emit ModifiedChanged();
}

void CMyMDIChildWnd::OnDocumentChanged(const CDocChange& change) {
    if (change.nKind == DOCCHANGE_MODIFIED) emit ModifiedChanged();
}

void CMyMDIChildWnd::closeEvent(QCloseEvent* event) {
    if (m_pDoc->IsModified()) {
        const auto answer = ShowMessageBox(this, QMessageBox::Question, "Tavolin",
                                           QString("Salvare le modifiche a %1?").arg(m_name),
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                           QMessageBox::Yes);
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
