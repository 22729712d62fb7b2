#pragma once
// Where a change of a comparison leads in the document on its new side: the
// primitive to select and the point to bring to the middle of the view.
#include "doc/diff/drawing_diff.h"

struct CCompareJump {
    bool bGo = false;    // false: the change has no place on the sheet (order, title)
    int nPrimitive = -1; // the document's primitive to select; -1 for none
    CPoint centre{0, 0}; // logical
};

// The document may have been edited since it was compared: the primitive is
// the one the change names while it still writes the same line, else the
// first that does. A removed primitive leads to its old place, selecting nothing.
CCompareJump JumpForChange(const CDrawingChange& change, const CPrimitiveList& doc);
