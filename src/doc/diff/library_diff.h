#pragma once
// What changed between two libraries, component by component by key: added,
// removed, or changed (its title or its primitives, compared as drawings are).
#include "doc/diff/drawing_diff.h"

#include <string>
#include <vector>

class CResolveContext;

enum ELibraryChangeKind { LIBRARY_ADDED, LIBRARY_REMOVED, LIBRARY_CHANGED };

struct CLibraryChange {
    ELibraryChangeKind nKind = LIBRARY_ADDED;
    std::string strKey;
    int nOld = -1, nNew = -1; // index of the component text in each library (-1: none)
    std::string strHeader;    // "[KEY title]", the new one unless removed
    CDrawingDiff drawing;     // the component's own changes (all added when added)
    // "+ [KEY title]", "- [KEY title]", or "~ [KEY title]" and the component's
    // own change lines indented by two blanks, each ending in LF.
    std::string Text() const;
};

struct CLibraryDiff {
    std::vector<CLibraryChange> changes; // by key
    std::string strOldName, strNewName;
    bool Same() const { return changes.empty() && strOldName == strNewName; }
    int Count(ELibraryChangeKind kind) const;
    // "2 aggiunti, 1 rimosso, 1 modificato"
    std::string Legend(LegendWords words = nullptr) const;
    std::string Text() const;
};

// A component's primitives in library coordinates; its macro names resolve in `ctx`.
CPrimitiveList ComponentPrimitives(const std::string& text, CResolveContext& ctx);

// Component texts as a library document holds them, with the libraries' names.
CLibraryDiff CompareLibraries(const std::string& oldName, const std::vector<std::string>& oldTexts,
                              const std::string& newName, const std::vector<std::string>& newTexts,
                              CResolveContext& ctx);
