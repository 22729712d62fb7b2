#include "app/features/feature_autosave.h"

#include "app/dialogs/message_box.h"
#include "app/features/feature_files.h"
#include "app/frame/trace.h"
#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"
#include "doc/document/settings.h"
#include "format/reader.h"
#include "view/forms/document_kinds.h"

#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>

namespace {
QString ListedName(const CAutosaveEntry& e) {
    if (!e.path.empty()) return QFile::decodeName(e.path.c_str());
    return QString("%1 senza nome").arg(DocumentKind(e.nKind).typeName);
}
} // namespace

CAutosaveFeature::CAutosaveFeature(IFrameServices& frame, CFilesFeature& files,
                                   const CSettings& settings)
    : m_frame(frame), m_files(files), m_settings(settings),
      m_store(DefaultAutosaveFolder(), CurrentInstanceName()), m_policy(m_store),
      m_writer([this](const CAutosaveEntry& e, bool bOk) {
          if (bOk)
              QMetaObject::invokeMethod(
                  this, [this, path = e.dataPath] { Written(path); }, Qt::QueuedConnection);
      }) {
    connect(&m_timer, &QTimer::timeout, this, &CAutosaveFeature::AutosaveAll);
}

void CAutosaveFeature::Start() {
    if (!m_store.Open()) return;
    m_bStarted = true;
    OfferOrphans();
    m_timer.start(m_settings.nAutosaveSeconds * 1000);
}

// Nothing is heard of the windows afterwards: their close as the frame goes
// is no close of a document.
void CAutosaveFeature::End() {
    if (!m_bStarted) return;
    m_timer.stop();
    std::vector<CAutosaveDoc> shown;
    for (CMyMDIChildWnd* child : m_frame.Documents())
        if (!child->isHidden()) shown.push_back(Seen(child));
    m_writer.Queue(m_policy.Ending(shown));
    for (auto& [key, child] : m_followed)
        if (child) child->disconnect(this);
    m_writer.Flush();
    m_store.Close();
}

void CAutosaveFeature::OfferOrphans() {
    const std::vector<CAutosaveEntry> orphans = m_store.Orphans();
    if (orphans.empty()) return;
    QString text = QCoreApplication::translate(
        "CAutosaveFeature",
        "Sono stati trovati documenti non salvati di una sessione precedente.\n");
    for (const CAutosaveEntry& e : orphans)
        text += "\n" + ListedName(e);
    const int answer = ShowChoiceBox(m_frame.Window(), QMessageBox::Question, "Tavolin", text,
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
           m_files.OpenRecovered(e.nKind, text, QFile::decodeName(e.path.c_str()));
}

void CAutosaveFeature::Follow(CMyMDIChildWnd* child) {
    if (!m_followed.emplace(child, child).second) return;
    connect(child, &QObject::destroyed, this, [this, key = static_cast<const void*>(child)] {
        m_followed.erase(key);
        m_writer.Queue(m_policy.Closed(key));
    });
    connect(child, &CMyMDIChildWnd::ModifiedChanged, this, [this, child] {
        if (!child->Document().IsModified()) m_writer.Queue(m_policy.Unmodified(child));
    });
}

CAutosaveDoc CAutosaveFeature::Seen(CMyMDIChildWnd* child) const {
    return {child, &child->Document(), QFile::encodeName(child->Path()).toStdString(),
            child->View()->IsIdle()};
}

void CAutosaveFeature::AutosaveAll() {
    std::vector<CAutosaveDoc> docs;
    for (CMyMDIChildWnd* child : m_frame.Documents()) {
        Follow(child);
        docs.push_back(Seen(child));
    }
    bool bHeld = false;
    m_writer.Queue(m_policy.Due(docs, bHeld));
    if (bHeld) QTimer::singleShot(1000, this, &CAutosaveFeature::AutosaveAll);
}

void CAutosaveFeature::Written(const std::string& dataPath) {
    const auto found = m_followed.find(m_policy.Owner(dataPath));
    if (found != m_followed.end() && found->second) TraceLine("AUTOSAVED " + found->second->Name());
}
