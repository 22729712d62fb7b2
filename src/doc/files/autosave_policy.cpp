#include "doc/files/autosave_policy.h"

#include "doc/document/document.h"

#include <algorithm>
#include <functional>

namespace {
CAutosaveJob Removal(const CAutosaveEntry& e) {
    return {e, std::string(), true};
}
} // namespace

CAutosavePolicy::CWatched& CAutosavePolicy::Watch(const CAutosaveDoc& doc) {
    auto found = m_watched.find(doc.pKey);
    if (found != m_watched.end()) return found->second;
    CWatched& w = m_watched[doc.pKey];
    w.entry = m_store.EntryFor(m_nNext++, std::string(), doc.pDoc->GetDocKind());
    return w;
}

// The bytes are made here, on the caller's thread; the writer puts them on the disk.
std::vector<CAutosaveJob> CAutosavePolicy::Due(const std::vector<CAutosaveDoc>& docs, bool& bHeld) {
    std::vector<CAutosaveJob> jobs;
    bHeld = false;
    for (const CAutosaveDoc& d : docs) {
        if (!d.pDoc->IsModified()) continue;
        // What a drag holds is out of the document: it is written once dropped.
        if (!d.bIdle) {
            bHeld = true;
            continue;
        }
        CWatched& w = Watch(d);
        std::string text = d.pDoc->SaveBytes(false);
        const std::size_t nHash = std::hash<std::string>()(text);
        if (w.bWritten && nHash == w.nHash && d.path == w.entry.path) continue;
        w.entry.path = d.path;
        w.nHash = nHash;
        w.bWritten = true;
        jobs.push_back({w.entry, std::move(text), false});
    }
    return jobs;
}

std::vector<CAutosaveJob> CAutosavePolicy::Unmodified(const void* pKey) {
    auto it = m_watched.find(pKey);
    if (it == m_watched.end()) return {};
    it->second.bWritten = false;
    return {Removal(it->second.entry)};
}

std::vector<CAutosaveJob> CAutosavePolicy::Closed(const void* pKey) {
    auto it = m_watched.find(pKey);
    if (it == m_watched.end()) return {};
    std::vector<CAutosaveJob> jobs{Removal(it->second.entry)};
    m_watched.erase(it);
    return jobs;
}

std::vector<CAutosaveJob> CAutosavePolicy::Ending(const std::vector<CAutosaveDoc>& shown) {
    std::vector<CAutosaveJob> jobs;
    for (const auto& [pKey, w] : m_watched) {
        const auto doc =
            std::find_if(shown.begin(), shown.end(),
                         [pKey = pKey](const CAutosaveDoc& d) { return d.pKey == pKey; });
        if (doc == shown.end() || !doc->pDoc->IsModified()) jobs.push_back(Removal(w.entry));
    }
    return jobs;
}

const void* CAutosavePolicy::Owner(const std::string& dataPath) const {
    for (const auto& [pKey, w] : m_watched)
        if (w.entry.dataPath == dataPath) return pKey;
    return nullptr;
}
