#pragma once
// When autosave writes and what it removes, apart from the user interface. A
// modified document is written when its bytes or its file changed since its
// last autosave, never while a drag holds primitives out of it; one saved, or
// back where it was saved, or closed loses its autosave; at a clean end only
// the documents still shown and modified keep theirs.
#include "doc/files/autosave_store.h"

#include <map>
#include <string>
#include <vector>

class CSchemoDoc;

// An open document as autosave sees it.
struct CAutosaveDoc {
    const void* pKey = nullptr; // the window that shows it; only compared
    const CSchemoDoc* pDoc = nullptr;
    std::string path;  // its file; empty when untitled
    bool bIdle = true; // false while a drag holds primitives out of it
};

class CAutosavePolicy {
  public:
    explicit CAutosavePolicy(const CAutosaveStore& store) : m_store(store) {}

    // What the timer writes now. bHeld: a document a drag holds waits, to be
    // asked about again soon.
    std::vector<CAutosaveJob> Due(const std::vector<CAutosaveDoc>& docs, bool& bHeld);
    // The document counts as saved again: its autosave goes, and a later
    // change writes it afresh.
    std::vector<CAutosaveJob> Unmodified(const void* pKey);
    std::vector<CAutosaveJob> Closed(const void* pKey);
    // A clean end; `shown` are the documents still open in sight.
    std::vector<CAutosaveJob> Ending(const std::vector<CAutosaveDoc>& shown);
    // The window whose autosave this data file is; null when none.
    const void* Owner(const std::string& dataPath) const;

  private:
    struct CWatched {
        CAutosaveEntry entry;
        std::size_t nHash = 0;
        bool bWritten = false;
    };
    CWatched& Watch(const CAutosaveDoc& doc);

    const CAutosaveStore& m_store;
    std::map<const void*, CWatched> m_watched;
    int m_nNext = 1;
};
