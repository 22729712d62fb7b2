#pragma once
// What a document tells the views and indexes that watch it: which primitives
// changed, how, and the logical rectangles they covered before and after.
#include "model/primitive.h"

#include <utility>
#include <vector>

enum DocChangeKind {
    DOCCHANGE_ADDED,      // arrived: at the end of the list, or where `between` says
    DOCCHANGE_REMOVING,   // about to leave the list; the pointers are still valid
    DOCCHANGE_GEOMETRY,   // moved, turned, mirrored or edited in place
    DOCCHANGE_REORDERED,  // changed places among their own list positions
    DOCCHANGE_RESET,      // the whole list was replaced (load; an undo or redo read whole)
    DOCCHANGE_SELECTION,  // selection flags changed; only their look changes
    DOCCHANGE_MODIFIED,   // the modified flag changed
    DOCCHANGE_APPEARANCE, // the layer table changed: anything may look different, nothing moved
};

struct CDocChange {
    DocChangeKind nKind = DOCCHANGE_RESET;
    std::vector<CPrimitive*> prims; // in list order (REORDERED: the new order)
    // ADDED inside the list: for each of prims, the primitives that were there
    // before around it (null for an end of the list). Empty: all at the end.
    std::vector<std::pair<CPrimitive*, CPrimitive*>> between;
    // Logical bounds, each valid only when its flag is set: before for what left
    // or moved away, after for what arrived or moved there. A change of very
    // many primitives comes with neither: anything may have changed.
    bool bBefore = false, bAfter = false;
    CRect rcBefore, rcAfter;
};

class IDocumentObserver {
  public:
    virtual ~IDocumentObserver() = default;
    virtual void OnDocumentChanged(const CDocChange& change) = 0;
};

// The union of the primitives' bounds; false when there is none.
bool UnionBounds(const std::vector<CPrimitive*>& prims, CRect& rect);
