#include "app/features/autosave_feature.h"

#include "app/dialogs/message_box.h"
#include "app/frame/main_frame.h"
#include "app/frame/trace.h"
#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"
#include "format/reader.h"
#include "view/forms/document_kinds.h"

#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>

#include <functional>

namespace {
QString ListedName(const CAutosaveEntry& e) {
    if (!e.path.empty()) return QFile::decodeName(e.path.c_str());
    return QString("%1 senza nome").arg(DocumentKind(e.nKind).typeName);
}
} // namespace

CAutosaveFeature::CAutosaveFeature(CMainFrame& frame, int nSeconds)
    : m_frame(frame), m_store(DefaultAutosaveFolder(), CurrentInstanceName()),
      m_writer([this](const CAutosaveEntry& e, bool bOk) {
          if (bOk)
              QMetaObject::invokeMethod(
                  this, [this, path = e.dataPath] { Written(path); }, Qt::QueuedConnection);
      }),
      m_nSeconds(nSeconds) {
    connect(&m_timer, &QTimer::timeout, this, &CAutosaveFeature::AutosaveAll);
}

CAutosaveFeature::~CAutosaveFeature() {
    for (auto& [child, w] : m_watched)
        if (w.child.isNull() || w.child->isHidden() || !w.child->Document().IsModified())
            m_writer.Remove(w.entry);
    m_writer.Flush();
    m_store.Close();
}

void CAutosaveFeature::Start() {
    if (!m_store.Open()) return; // no folder: nothing is autosaved, nothing offered
    OfferOrphans();
    m_timer.start(m_nSeconds * 1000);
}

void CAutosaveFeature::OfferOrphans() {
    const std::vector<CAutosaveEntry> orphans = m_store.Orphans();
    if (orphans.empty()) return;
    QString text = QCoreApplication::translate(
        "CAutosaveFeature",
        "Sono stati trovati documenti non salvati di una sessione precedente.\n");
    for (const CAutosaveEntry& e : orphans)
        text += "\n" + ListedName(e);
    const int answer = ShowChoiceBox(&m_frame, QMessageBox::Question, "Tavolin", text,
                                     {QCoreApplication::translate("CAutosaveFeature", "Ripristina"),
                                      QCoreApplication::translate("CAutosaveFeature", "Elimina")},
                                     0);
    if (answer < 0) return; // asked again at the next start
    // Backwards, so that the first of the list ends in front.
    std::vector<CAutosaveEntry> done;
    for (auto e = orphans.rbegin(); e != orphans.rend(); ++e)
        if (answer == 1 || Restore(*e)) done.push_back(*e);
    // The old autosaves go only once the restored documents have their own.
    AutosaveAll();
    m_writer.Flush();
    for (const CAutosaveEntry& e : done)
        m_store.Remove(e);
}

bool CAutosaveFeature::Restore(const CAutosaveEntry& e) {
    std::string text;
    return ReadWholeFile(e.dataPath, text) &&
           m_frame.OpenRecovered(e.nKind, text, QFile::decodeName(e.path.c_str()));
}

CAutosaveFeature::CWatched& CAutosaveFeature::Watch(CMyMDIChildWnd* child) {
    auto found = m_watched.find(child);
    if (found != m_watched.end()) return found->second;
    CWatched& w = m_watched[child];
    w.child = child;
    w.entry = m_store.EntryFor(m_nNext++, std::string(), child->Document().GetDocKind());
    connect(child, &QObject::destroyed, this, [this, child] { Drop(child); });
    connect(child, &CMyMDIChildWnd::ModifiedChanged, this, [this, child] {
        auto it = m_watched.find(child);
        if (it == m_watched.end() || child->Document().IsModified()) return;
        m_writer.Remove(it->second.entry); // saved, or back where it was saved
        it->second.bWritten = false;
    });
    return w;
}

void CAutosaveFeature::Drop(CMyMDIChildWnd* child) {
    auto it = m_watched.find(child);
    if (it == m_watched.end()) return;
    m_writer.Remove(it->second.entry);
    m_watched.erase(it);
}

// The text is made here, on the user interface's thread; the writer's thread
// puts it on the disk.
void CAutosaveFeature::AutosaveAll() {
    auto* mdi = qobject_cast<QMdiArea*>(m_frame.centralWidget());
    if (!mdi) return;
    bool bHeld = false;
    for (QMdiSubWindow* sub : mdi->subWindowList()) {
        auto* child = qobject_cast<CMyMDIChildWnd*>(sub);
        if (!child || !child->Document().IsModified()) continue;
        // What a drag holds is out of the document: it is written once dropped.
        if (!child->View()->IsIdle()) {
            bHeld = true;
            continue;
        }
        CWatched& w = Watch(child);
        std::string text = child->Document().SaveBytes(false);
        const std::string path = QFile::encodeName(child->Path()).toStdString();
        const std::size_t nHash = std::hash<std::string>()(text);
        if (w.bWritten && nHash == w.nHash && path == w.entry.path) continue;
        w.entry.path = path;
        w.nHash = nHash;
        w.bWritten = true;
        m_writer.Write(w.entry, std::move(text));
    }
    if (bHeld) QTimer::singleShot(1000, this, &CAutosaveFeature::AutosaveAll);
}

void CAutosaveFeature::Written(const std::string& dataPath) {
    for (auto& [child, w] : m_watched)
        if (w.entry.dataPath == dataPath && w.child) TraceLine("AUTOSAVED " + w.child->Name());
}
