#pragma once
// The picture of a comparison on any surface: both drawings at once, what
// stayed in light grey, what went in red, what came in green, and a grey arrow
// from where a moved primitive was to where it is.
#include "doc/diff/drawing_diff.h"
#include "model/layers.h"

constexpr COLORREF DIFF_SAME_COLOR = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF DIFF_REMOVED_COLOR = RGB(0xFF, 0, 0);
constexpr COLORREF DIFF_ADDED_COLOR = RGB(0, 0xA0, 0);
constexpr COLORREF DIFF_ARROW_COLOR = RGB(0x80, 0x80, 0x80);

// The context of the picture around the changes: the whole sheet.
constexpr int DIFF_CONTEXT_ALL = -1;

// The box of the changed primitives, old and new, widened by nContext units
// on each side; with nothing changed on the sheet, the box of both drawings;
// the whole sheet for DIFF_CONTEXT_ALL or when both are empty.
CRect DiffArea(const CPrimitiveList& oldList, const CPrimitiveList& newList,
               const CDrawingDiff& diff, int nContext);

// Maps `area`, grown about its centre to the picture's shape, onto a picture
// of w x h device units at (x0, y0).
void SetDiffMapping(CSurface& dc, const CRect& area, int x0, int y0, int w, int h);

// Draws in the surface's mapping; `layers` tells which layers are shown.
void DrawDrawingDiff(CSurface& dc, const CPrimitiveList& oldList, const CPrimitiveList& newList,
                     const CDrawingDiff& diff, const CLayerTable& layers);
