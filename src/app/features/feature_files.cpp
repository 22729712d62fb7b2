// The documents' files: new, open (with progress for long reads), save, save
// as, close, exit and the recent files.
#include "app/features/feature_files.h"

#include "app/bars/library_bar.h"
#include "app/frame/actions.h"
#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/document_file_watcher.h"
#include "app/platform/file_filters.h"
#include "app/platform/settings_store.h"
#include "app/window/child_frame.h"
#include "app/window/document_bar.h"
#include "app/window/read_progress.h"
#include "app/window/schemo_view.h"
#include "doc/document/deferred_ui.h"
#include "doc/document/document.h"
#include "doc/library/library_doc.h"
#include "qtlayer/qt_translate.h"
#include "view/commands/commands.h"
#include "view/forms/document_kinds.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>

#include <thread>

namespace {
constexpr int kRecentCount = 6;

int KindOfPath(const QString& path) {
    const int nKind = DocKindFromExtension(("." + QFileInfo(path).suffix()).toStdString());
    return nKind == DOC_NONE ? DOC_DRAWING : nKind;
}

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
                                 .arg(child->Name())
                                 .arg(at.x())
                                 .arg(at.y())
                                 .arg(v->viewport()->width())
                                 .arg(v->viewport()->height())
                                 .arg(int(c.GetScale() * 100 + 0.5))
                                 .arg(c.GetScrollPos().x)
                                 .arg(c.GetScrollPos().y)
                                 .arg(c.m_bStretch ? 1 : 0);
        const CLibraryBarFields* fields = child->Bar()->LibraryFields();
        const QString places =
            fields ? "FIELDS " + child->Name() + " " + fields->ScreenPlaces() : QString();
        if (line + places == *last) return;
        *last = line + places;
        TraceLine(line);
        if (fields) TraceLine(places);
    };
}

std::unique_ptr<CSchemoDoc> MakeDocument(int nDocKind) {
    if (nDocKind == DOC_LIBRARY) return std::make_unique<CSchemoLibDoc>(nullptr, g_library.context);
    return std::make_unique<CSchemoDoc>(nDocKind, nullptr, g_library.context);
}
} // namespace

CFilesFeature::CFilesFeature(IFrameServices& frame)
    : m_frame(frame), m_pProgress(new QProgressBar(frame.Window())),
      m_recent(SettingsStore::LoadRecentFiles()) {
    m_pProgress->setMaximumWidth(200);
    m_pProgress->setRange(0, 0);
    m_pProgress->hide();
    frame.Window()->statusBar()->addPermanentWidget(m_pProgress);
}

CFilesFeature::~CFilesFeature() = default;

void CFilesFeature::Run(int nId) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    switch (nId) {
    case ID_FILE_NEW:
        ChooseNew();
        break;
    case ID_FILE_OPEN:
        ChooseOpen();
        break;
    case ID_FILE_SAVE:
        if (child) Save(child);
        break;
    case ID_FILE_SAVE_AS:
        if (child) SaveAs(child);
        break;
    case ID_FILE_CLOSE:
        if (child) child->close();
        break;
    case ID_APP_EXIT:
        m_frame.Window()->close();
        break;
    }
}

CMyMDIChildWnd* CFilesFeature::AddChild(std::unique_ptr<CSchemoDoc> doc, const QString& path,
                                        const QString& name, CViewStart start) {
    QMdiArea* mdi = m_frame.Mdi();
    auto* child =
        new CMyMDIChildWnd(std::move(doc), path, name, m_frame.Actions().Get(ID_MACRO_ORIGIN),
                           &m_frame.ViewFrame(), mdi, std::move(start));
    mdi->addSubWindow(child);
    m_frame.ChildAdded(child);
    connect(child, &CMyMDIChildWnd::SaveRequested, this,
            [this](CMyMDIChildWnd* c, bool* pbSaved) { *pbSaved = Save(c); });
    child->View()->m_onFirstPaint = [child] { TraceLine("PAINTED " + child->Name()); };
    child->View()->m_onFirstFrame = [child] { TraceLine("SHOWN " + child->Name()); };
    if (IsTraceEnabled()) {
        child->View()->m_onFrame = [child](qint64 ms) {
            TraceLine(QString("FRAME %1 %2").arg(child->Name()).arg(ms));
        };
        child->View()->m_onSettled = [child](qint64 ms) {
            TraceLine(QString("SETTLED %1 %2").arg(child->Name()).arg(ms));
        };
        TraceViewState(child);
    }
    child->showMaximized();
    mdi->setActiveSubWindow(child);
    m_frame.ActiveChanged(); // also while the frame is hidden, before it is first shown
    child->Document().SetUi(child->Ui());
    child->View()->StartView();
    return child;
}

// "Libreria1" in the window, "Nuova libreria 1" as its title: both count the
// new libraries of the run.
CMyMDIChildWnd* CFilesFeature::NewDocument(int nDocKind) {
    const QString name = QString::fromStdString(m_untitled.Next(nDocKind));
    std::unique_ptr<CSchemoDoc> doc = MakeDocument(nDocKind);
    if (nDocKind == DOC_LIBRARY)
        static_cast<CSchemoLibDoc&>(*doc).OnNewDocument(m_nNewLibraryCounter++);
    return AddChild(std::move(doc), QString(), name);
}

CMyMDIChildWnd* CFilesFeature::OpenDrawing(const QString& path, int nKind) {
    auto doc = std::make_unique<CSchemoDoc>(nKind, nullptr, g_library.context);
    CLoadedText loaded = ReadWithProgress(path, m_frame.Window()->statusBar(), m_pProgress);
    // The window's index and extent are made on other threads while the
    // document adopts the primitives; what it has to say waits for them.
    CViewStart start;
    CDeferredUi deferred;
    doc->SetUi(&deferred);
    bool bAdopted;
    {
        const std::vector<CPrimitive*> prims = Pointers(loaded.list);
        std::thread prepare([&] { start = PrepareViewStart(prims, g_layers); });
        bAdopted = doc->Adopt(std::move(loaded));
        prepare.join();
    }
    CQtDocumentUi ui(m_frame.Window());
    doc->SetUi(&ui);
    deferred.Replay(ui);
    if (!bAdopted) return nullptr;
    return AddChild(std::move(doc), QFileInfo(path).absoluteFilePath(), QFileInfo(path).fileName(),
                    std::move(start));
}

CMyMDIChildWnd* CFilesFeature::OpenLibrary(const QString& path) {
    auto doc = std::make_unique<CSchemoLibDoc>(nullptr, g_library.context);
    CQtDocumentUi ui(m_frame.Window());
    doc->SetUi(&ui);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = doc->LoadFile(QFile::encodeName(path).toStdString());
    QApplication::restoreOverrideCursor();
    if (!ok) return nullptr;
    const QFileInfo info(path);
    return AddChild(std::move(doc), info.absoluteFilePath(), info.fileName());
}

// The document is made whole before its window, so that the window's bar
// shows its title as for a document read from its file.
CMyMDIChildWnd* CFilesFeature::OpenRecovered(int nDocKind, const std::string& text,
                                             const QString& path) {
    std::unique_ptr<CSchemoDoc> doc = MakeDocument(nDocKind);
    CQtDocumentUi ui(m_frame.Window());
    doc->SetUi(&ui);
    if (!doc->Load(text)) return nullptr;
    const QString name = path.isEmpty() ? QString::fromStdString(m_untitled.Next(nDocKind))
                                        : QFileInfo(path).fileName();
    CMyMDIChildWnd* child = AddChild(std::move(doc), path, name);
    child->Document().SetModified(true);
    return child;
}

CMyMDIChildWnd* CFilesFeature::FindOpen(const QString& path) const {
    const QFileInfo wanted(path);
    for (QMdiSubWindow* w : m_frame.Mdi()->subWindowList()) {
        auto* c = qobject_cast<CMyMDIChildWnd*>(w);
        if (!c || c->Path().isEmpty()) continue;
        const QFileInfo open(c->Path());
        // A recovered file may be gone, and files that are not compare unequal.
        if (open == wanted || open.absoluteFilePath() == wanted.absoluteFilePath()) return c;
    }
    return nullptr;
}

// A file open already (also one recovered at start) is brought forward.
bool CFilesFeature::OpenFile(const QString& path) {
    CMyMDIChildWnd* child = FindOpen(path);
    if (child) {
        m_frame.Mdi()->setActiveSubWindow(child);
    } else {
        const int nKind = KindOfPath(path);
        child = nKind == DOC_LIBRARY ? OpenLibrary(path) : OpenDrawing(path, nKind);
        if (!child) return false;
        AddRecent(child->Path());
    }
    if (m_nOpenZoom > 0 || m_bOpenOrigin)
        child->View()->SetZoom(m_nOpenZoom > 0 ? m_nOpenZoom : 100, m_nOpenX, m_nOpenY);
    return true;
}

void CFilesFeature::SetOpenZoom(int nZoom, bool bOrigin, int x, int y) {
    m_nOpenZoom = nZoom;
    m_bOpenOrigin = bOrigin;
    m_nOpenX = x;
    m_nOpenY = y;
}

bool CFilesFeature::Write(CMyMDIChildWnd* child, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!child->FileWatcher()->MayOverwrite(absolute)) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string written;
    const bool ok =
        SaveWithSettings(child->Document(), QFile::encodeName(path).toStdString(), &written);
    QApplication::restoreOverrideCursor();
    if (ok) child->FileWatcher()->Remember(absolute, &written);
    return ok;
}

bool CFilesFeature::Save(CMyMDIChildWnd* child) {
    if (child->Path().isEmpty()) return SaveAs(child);
    const bool ok = Write(child, child->Path());
    if (ok) AddRecent(child->Path());
    m_frame.UpdateTitle();
    return ok;
}

bool CFilesFeature::SaveAs(CMyMDIChildWnd* child) {
    const int nKind = child->Document().GetDocKind();
    const CDocumentKind& kind = DocumentKind(nKind);
    const QString suffix = kind.ext;
    const QString filter = FileFilter(kind);
    QString start = child->Path().isEmpty() ? child->Name() + suffix : child->Path();
    QString path = QFileDialog::getSaveFileName(
        m_frame.Window(), QCoreApplication::translate("CFeatureFiles", "Salva con nome"), start,
        filter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += suffix;
    if (!Write(child, path)) return false;
    child->SetPath(QFileInfo(path).absoluteFilePath());
    AddRecent(child->Path());
    m_frame.UpdateTitle();
    return true;
}

void CFilesFeature::ChooseNew() {
    QStringList kinds;
    for (const CDocumentKind& k : DOCUMENT_KINDS)
        kinds << DocumentTypeName(k);
    bool ok = false;
    const QString choice = QInputDialog::getItem(
        m_frame.Window(), QCoreApplication::translate("CFeatureFiles", "Nuovo"),
        QCoreApplication::translate("CFeatureFiles", "Nuovo"), kinds, 0, false, &ok);
    if (!ok) return;
    NewDocument(DOCUMENT_KINDS[std::max(0, int(kinds.indexOf(choice)))].nKind);
}

void CFilesFeature::ChooseOpen() {
    const QStringList paths = QFileDialog::getOpenFileNames(
        m_frame.Window(), QCoreApplication::translate("CFeatureFiles", "Apri"), QString(),
        OpenFileFilters());
    for (const QString& p : paths)
        OpenFile(p);
}

void CFilesFeature::AddRecent(const QString& path) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentCount)
        m_recent.removeLast();
}

void CFilesFeature::FillRecent(QMenu* menu, QAction* anchor) {
    for (QAction* a : menu->actions())
        if (a->property("recent").toBool()) menu->removeAction(a), a->deleteLater();
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        auto* a = new QAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), menu);
        a->setProperty("recent", true);
        a->setStatusTip(
            QCoreApplication::translate("CFeatureFiles", "Apre questo documento: %1").arg(path));
        connect(a, &QAction::triggered, this, [this, path] { OpenFile(path); });
        menu->insertAction(anchor, a);
    }
}
