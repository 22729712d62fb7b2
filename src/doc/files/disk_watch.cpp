#include "doc/files/disk_watch.h"

#include "doc/document/document.h"
#include "doc/library/library_doc.h"
#include "format/reader.h"

#include <functional>
#include <sys/stat.h>

namespace {
std::size_t HashOfFile(const std::string& path) {
    std::string text;
    return ReadWholeFile(path, text) ? std::hash<std::string>()(text) : 0;
}
} // namespace

bool CFileStamp::operator==(const CFileStamp& o) const {
    return bExists == o.bExists && nDevice == o.nDevice && nInode == o.nInode && nSize == o.nSize &&
           nMtimeNs == o.nMtimeNs;
}

CFileStamp StampOf(const std::string& path) {
    CFileStamp s;
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return s;
    s.bExists = true;
    s.nDevice = std::uint64_t(st.st_dev);
    s.nInode = std::uint64_t(st.st_ino);
    s.nSize = std::uint64_t(st.st_size);
    s.nMtimeNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return s;
}

std::string ReloadQuestion(const std::string& name) {
    return FillMessage(MSG_FILE_RELOAD, name);
}
std::string ReloadQuestion(const std::string& name, const CSchemoDoc& doc) {
    if (!doc.IsModified()) return ReloadQuestion(name);
    const bool bUndoable = dynamic_cast<const CSchemoLibDoc*>(&doc) == nullptr;
    return ReloadQuestion(name) + "\n" +
           FillMessage(bUndoable ? MSG_RELOAD_UNDOES_EDITS : MSG_RELOAD_LOSES_EDITS, "");
}
std::string RemovedMessage(const std::string& name) {
    return FillMessage(MSG_FILE_REMOVED, name);
}
std::string OverwriteQuestion(const std::string& name) {
    return FillMessage(MSG_FILE_OVERWRITE, name);
}

void CDiskWatch::Remember(const std::string& path) {
    m_path = path;
    m_own = m_seen = StampOf(path);
    m_nOwnHash = m_own.bExists ? HashOfFile(path) : 0;
    m_bPending = false;
}

void CDiskWatch::RememberSaved(const std::string& path, const std::string& bytes) {
    m_path = path;
    m_own = m_seen = StampOf(path);
    m_nOwnHash = std::hash<std::string>()(bytes);
    m_bPending = false;
}

bool CDiskWatch::IsOwnText(const CFileStamp& now) {
    if (!now.bExists || !m_own.bExists || HashOfFile(m_path) != m_nOwnHash) return false;
    m_own = m_seen = now;
    return true;
}

void CDiskWatch::OnFileEvent(bool bActive, CSchemoDoc& doc, const std::string& name) {
    const CFileStamp now = StampOf(m_path);
    if (m_path.empty() || now == m_seen || IsOwnText(now)) return;
    m_bPending = true;
    if (bActive) Resolve(doc, name);
}

void CDiskWatch::OnActivated(CSchemoDoc& doc, const std::string& name) {
    if (m_bPending) Resolve(doc, name);
}

// A change that comes while the question is open is asked about after it.
void CDiskWatch::Resolve(CSchemoDoc& doc, const std::string& name) {
    if (m_bAsking) return;
    m_bAsking = true;
    IDocumentUi* ui = doc.GetUi();
    while (m_bPending) {
        m_bPending = false;
        m_seen = StampOf(m_path);
        if (m_seen == m_own) break;
        if (!m_seen.bExists) {
            if (ui) ui->ShowMessage(RemovedMessage(name), CAPTION_ATTENTION, ICON_INFORMATION);
            doc.SetModified(true);
        } else if (ui && ui->AskYesNoDefaultYes(ReloadQuestion(name, doc), CAPTION_ATTENTION) ==
                             ANSWER_YES) {
            Reload(doc);
        } else {
            doc.SetModified(true); // what it shows is no longer on the disk
        }
        if (StampOf(m_path) != m_seen) m_bPending = true;
    }
    m_bAsking = false;
}

// The stamp is taken before reading: a change while reading is asked again.
// A text that cannot be taken leaves the document as it is.
void CDiskWatch::Reload(CSchemoDoc& doc) {
    const CFileStamp before = StampOf(m_path);
    std::string text;
    CLoadedText loaded;
    loaded.bUnreadable = !ReadWholeFile(m_path, text);
    bool ok = false;
    if (auto* library = dynamic_cast<CSchemoLibDoc*>(&doc)) {
        CSchemoLibDoc probe(nullptr, doc.ResolveContext());
        ok = !loaded.bUnreadable && probe.Load(text) && library->Load(text);
        if (!ok && doc.GetUi())
            doc.GetUi()->ShowMessage(
                WithFileName(loaded.bUnreadable ? MSG_CANNOT_OPEN : MSG_BAD_FORMAT, m_path),
                CAPTION_ERROR, ICON_ERROR);
    } else {
        if (!loaded.bUnreadable) loaded = ParseDocumentText(text, doc.ResolveContext());
        loaded.path = m_path;
        ok = doc.Reload(std::move(loaded));
    }
    if (!ok) return;
    m_own = before;
    m_nOwnHash = std::hash<std::string>()(text);
}

bool CDiskWatch::MayOverwrite(const std::string& path, IDocumentUi* ui, const std::string& name) {
    if (path != m_path) return true;
    const CFileStamp now = StampOf(path);
    if (!now.bExists || now == m_own || IsOwnText(now)) return true;
    return ui && ui->AskYesNo(OverwriteQuestion(name), CAPTION_ATTENTION) == ANSWER_YES;
}
