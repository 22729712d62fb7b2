#pragma once
// What changed between two drawings: primitives compared as the lines the
// writer writes, in any order; a macro by its name and placement only, so a
// library changed under it changes nothing here.
#include "model/primitive.h"

#include <string>
#include <vector>

class CSchemoDoc;

enum EDrawingChangeKind { CHANGE_ADDED, CHANGE_REMOVED, CHANGE_MOVED, CHANGE_ORDER, CHANGE_TITLE };

using LegendWords = std::string (*)(const char* pszContext, const char* pszWord);

struct CDrawingChange {
    EDrawingChangeKind nKind = CHANGE_ADDED;
    int nOld = -1, nNew = -1;   // index in the old / new primitive list (-1: none)
    std::string strOld, strNew; // the command lines as written, without the last line end
    CPoint at;                  // where the change is: the old place, the new one when added
    // "+ LI ...", "- LI ...", "~ OLD -> NEW", "= order"; a macro group written
    // as several lines gives one text line for each.
    std::string TextLine() const;
};

struct CDrawingDiff {
    // The title first, then the order, then the primitives by position (top
    // to bottom, left to right), the removed before the added at one place.
    std::vector<CDrawingChange> changes;
    int nAdded = 0, nRemoved = 0, nMoved = 0;
    bool bOrder = false, bTitle = false;
    bool Same() const { return changes.empty(); }
    // "3 aggiunti, 2 rimossi, 1 spostato", with the order and title when changed.
    // "3 aggiunti, 2 rimossi, 1 spostato"; `words` gives each word in the
    // language shown (context, Italian word), or none for Italian.
    std::string Legend(LegendWords words = nullptr) const;
    // Every change's text line, each ending in LF.
    std::string Text() const;
};

// The header keyword ("TAVOLIN" or "MACROCAD") names the title in its change.
CDrawingDiff CompareLists(const std::string& oldTitle, const CPrimitiveList& oldList,
                          const std::string& newTitle, const CPrimitiveList& newList,
                          const char* keyword = "TAVOLIN");
CDrawingDiff CompareDrawings(const CSchemoDoc& oldDoc, const CSchemoDoc& newDoc);
