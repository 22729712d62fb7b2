// The main window's file commands: new, open (with progress for long reads),
// save, save as, the recent files.
#include "app/main_frame.h"

#include "app/child_frame.h"
#include "app/actions.h"
#include "app/document_bar.h"
#include "app/library_bar.h"
#include "app/message_box.h"
#include "app/program_context.h"
#include "app/schemo_view.h"
#include "app/trace.h"
#include "doc/document.h"
#include "format/resolve_context.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>

#include <atomic>
#include <memory>
#include <thread>

namespace {
const char* const kFilters =
    "Documento Tavolin (*.tvd);;Macro Tavolin (*.tvm);;Libreria Tavolin (*.tvl);;Tutti i file (*)";
constexpr int kRecentCount = 6;

int KindOfPath(const QString& path) {
    const int nKind = DocKindFromExtension(("." + QFileInfo(path).suffix()).toStdString());
    return nKind == DOC_NONE ? DOC_DRAWING : nKind;
}
} // namespace

namespace {
// For scripts: where the canvas is on the screen and what it shows, written
// each time either changes ("VIEW name x y w h zoom% scrollx scrolly stretch"),
// and for a library where its fields are ("FIELDS name tbmx tbmy tlmx tlmy").
void TraceViewState(CMyMDIChildWnd* child) {
    auto last = std::make_shared<QString>();
    child->View()->m_onPainted = [child, last] {
        const CSchemoView* v = child->View();
        const QPoint at = v->viewport()->mapToGlobal(QPoint(0, 0));
        const CViewCoords& c = v->Coords();
        const QString line = QString("VIEW %1 %2 %3 %4 %5 %6 %7 %8 %9")
                                 .arg(child->Name()).arg(at.x()).arg(at.y())
                                 .arg(v->viewport()->width()).arg(v->viewport()->height())
                                 .arg(int(c.GetScale() * 100 + 0.5)).arg(c.GetScrollPos().x)
                                 .arg(c.GetScrollPos().y).arg(c.m_bStretch ? 1 : 0);
        const CLibraryBarFields* fields = child->Bar()->LibraryFields();
        const QString places = fields ? "FIELDS " + child->Name() + " " + fields->ScreenPlaces() : QString();
        if (line + places == *last) return;
        *last = line + places;
        TraceLine(line);
        if (fields) TraceLine(places);
    };
}
} // namespace

CMyMDIChildWnd* CMainFrame::AddChild(std::unique_ptr<CSchemoDoc> doc, const QString& path,
                                     const QString& name) {
    auto* child = new CMyMDIChildWnd(std::move(doc), path, name, m_pActions->Get(ID_MACRO_ORIGIN), m_pMdi);
    m_pMdi->addSubWindow(child);
    TrackWindow(child);
    connect(child, &CMyMDIChildWnd::ModifiedChanged, this, [this] { UpdateTitle(); });
    connect(child, &CMyMDIChildWnd::EditStateChanged, this, [this, child] {
        if (child == ActiveChild()) UpdateCommands();
    });
    connect(child, &CMyMDIChildWnd::SaveRequested, this,
            [this](CMyMDIChildWnd* c, bool* pbSaved) { *pbSaved = Save(c); });
    connect(child, &QObject::destroyed, this, [this] { OnActiveChanged(); });
    child->View()->m_onFirstPaint = [child] { TraceLine("PAINTED " + child->Name()); };
    child->View()->m_onStatus = [this](const QString& text) { statusBar()->showMessage(text); };
    if (IsTraceEnabled()) TraceViewState(child);
    child->showMaximized();
    m_pMdi->setActiveSubWindow(child);
    OnActiveChanged(); // also while the frame is hidden, before it is first shown
    child->Document().SetUi(child->Ui());
    child->View()->StartView();
    return child;
}

CMyMDIChildWnd* CMainFrame::NewDocument(int nDocKind) {
    if (nDocKind == DOC_LIBRARY) return NewLibrary();
    auto doc = std::make_unique<CSchemoDoc>(nDocKind, nullptr);
    const QString name = QString::fromStdString(m_untitled.Next(nDocKind));
    return AddChild(std::move(doc), QString(), name);
}

// The file is read and parsed on a worker thread while the window stays
// painted; after half a second a progress bar says that work is going on.
// The worker resolves its macros in private caches: the events handled
// meanwhile may reload the libraries.
CLoadedText CMainFrame::ReadWithProgress(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CLoadedText loaded;
    std::atomic<bool> bDone{false};
    const std::string file = QFile::encodeName(path).toStdString();
    CPrivateResolve resolve;
    std::thread worker([&] {
        resolve.Run([&] { loaded = ReadDocumentFile(file); });
        bDone = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!bDone) {
        if (clock.elapsed() > 500 && m_pProgress->isHidden()) {
            statusBar()->showMessage("Apertura di " + QFileInfo(path).fileName() + "...");
            m_pProgress->show();
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 20);
        if (!bDone) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
    resolve.Merge();
    m_pProgress->hide();
    statusBar()->clearMessage();
    QApplication::restoreOverrideCursor();
    return loaded;
}

CMyMDIChildWnd* CMainFrame::OpenDrawing(const QString& path, int nKind) {
    auto doc = std::make_unique<CSchemoDoc>(nKind, nullptr);
    CQtDocumentUi ui(this);
    doc->SetUi(&ui);
    if (!doc->Adopt(ReadWithProgress(path))) return nullptr;
    return AddChild(std::move(doc), QFileInfo(path).absoluteFilePath(), QFileInfo(path).fileName());
}

bool CMainFrame::OpenFile(const QString& path) {
    const int nKind = KindOfPath(path);
    for (QMdiSubWindow* w : m_pMdi->subWindowList()) {
        auto* c = qobject_cast<CMyMDIChildWnd*>(w);
        if (c && !c->Path().isEmpty() && QFileInfo(c->Path()) == QFileInfo(path)) {
            m_pMdi->setActiveSubWindow(w);
            return true;
        }
    }
    CMyMDIChildWnd* child = nKind == DOC_LIBRARY ? OpenLibrary(path) : OpenDrawing(path, nKind);
    if (!child) return false;
    if (m_nOpenZoom > 0 || m_bOpenOrigin) child->View()->SetZoom(m_nOpenZoom > 0 ? m_nOpenZoom : 100, m_nOpenX, m_nOpenY);
    AddRecent(child->Path());
    return true;
}

void CMainFrame::SetOpenZoom(int nZoom, bool bOrigin, int x, int y) {
    m_nOpenZoom = nZoom;
    m_bOpenOrigin = bOrigin;
    m_nOpenX = x;
    m_nOpenY = y;
}

bool CMainFrame::Save(CMyMDIChildWnd* child) {
    if (child->Path().isEmpty()) return SaveAs(child);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string path = QFile::encodeName(child->Path()).toStdString();
    const bool ok = SaveWithSettings(child->Document(), path);
    QApplication::restoreOverrideCursor();
    if (ok) AddRecent(child->Path());
    UpdateTitle();
    return ok;
}

bool CMainFrame::SaveAs(CMyMDIChildWnd* child) {
    const int nKind = child->Document().GetDocKind();
    const QString suffix = nKind == DOC_MACRO ? ".tvm" : nKind == DOC_LIBRARY ? ".tvl" : ".tvd";
    const char* filter = nKind == DOC_MACRO     ? "Macro Tavolin (*.tvm)"
                         : nKind == DOC_LIBRARY ? "Libreria Tavolin (*.tvl)"
                                                : "Documento Tavolin (*.tvd)";
    QString start = child->Path().isEmpty() ? child->Name() + suffix : child->Path();
    QString path = QFileDialog::getSaveFileName(this, "Salva con nome", start, filter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += suffix;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = SaveWithSettings(child->Document(), QFile::encodeName(path).toStdString());
    QApplication::restoreOverrideCursor();
    if (!ok) return false;
    child->SetPath(QFileInfo(path).absoluteFilePath());
    AddRecent(child->Path());
    UpdateTitle();
    return true;
}

void CMainFrame::ChooseNew() {
    const QStringList kinds = {"Documento Tavolin", "Macro Tavolin", "Libreria Tavolin"};
    bool ok = false;
    const QString choice = QInputDialog::getItem(this, "Nuovo", "Nuovo", kinds, 0, false, &ok);
    if (!ok) return;
    NewDocument(choice == kinds[0] ? DOC_DRAWING : choice == kinds[1] ? DOC_MACRO : DOC_LIBRARY);
}

void CMainFrame::ChooseOpen() {
    const QStringList paths = QFileDialog::getOpenFileNames(this, "Apri", QString(), kFilters);
    for (const QString& p : paths) OpenFile(p);
}

void CMainFrame::AddRecent(const QString& path) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentCount) m_recent.removeLast();
}

void CMainFrame::FillRecent(QMenu* menu, QAction* anchor) {
    for (QAction* a : menu->actions())
        if (a->property("recent").toBool()) menu->removeAction(a), a->deleteLater();
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        auto* a = new QAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), menu);
        a->setProperty("recent", true);
        a->setStatusTip("Apre questo documento: " + path);
        connect(a, &QAction::triggered, this, [this, path] { OpenFile(path); });
        menu->insertAction(anchor, a);
    }
}
