#pragma once
// Where a view's decorations fall in device pixels: the grid points, the
// marks on the points of selected primitives and the macro origin. Sizes the
// user sees in pixels (grid dots, 10 x 10 marks) are device-independent
// pixels, so they grow with the device pixel ratio.
#include "doc/document/document_observer.h"
#include "model/layers.h"
#include "model/primitive.h"
#include "view/viewport/view_coords.h"

#include <vector>

constexpr COLORREF MARK_COLOR = RGB(0x80, 0x80, 0xFF);
constexpr COLORREF ORIGIN_COLOR = RGB(255, 0, 0);
// Beyond the sheet's edge, on screen only.
constexpr COLORREF OUTSIDE_SHEET_COLOR = RGB(0xD8, 0xD8, 0xD8);
constexpr CPoint MACRO_ORIGIN{100, 100};
constexpr int MARK_HALF = 5; // a mark runs 5 pixels each way from its point
// Grid points closer than this would hide the drawing: only some are drawn.
constexpr int GRID_MIN_SPACING = 4;

// The sheet, logical (0, 0) to (SHEET_SIZE, SHEET_SIZE), in device pixels
// (right/bottom excluded): white within, OUTSIDE_SHEET_COLOR around it.
CRect SheetDeviceRect(const CViewCoords& view, double dpr);

// The grid as the distinct device columns and rows holding grid points within
// the device rectangle rcDevice (left/top included, right/bottom excluded):
// every pairing is one dot. Where the grid points lie closer than
// GRID_MIN_SPACING pixels, only every k-th is kept on that axis, the smallest
// k that puts them that far apart, counting from the sheet's origin. The grid
// covers the sheet only.
void GridDevicePositions(const CViewCoords& view, double dpr, const CRect& rcDevice,
                         std::vector<int>& cols, std::vector<int>& rows);

// The device boxes (right/bottom excluded) of the marks of the selected
// primitives that are not components, on shown layers, whose points lie in
// the visible area.
void MarkBoxes(const CViewCoords& view, double dpr, const std::vector<CPrimitive*>& selection,
               const CLayerTable& layers, std::vector<CRect>& boxes);

// The macro origin's circle, in device pixels.
CRect OriginBox(const CViewCoords& view, double dpr);

// The logical rectangle grown by the pixels that marks and pens may reach
// beyond a primitive's points at this view's zoom, plus nSlackPixels.
CRect DeviceRectOf(const CViewCoords& view, double dpr, const CRect& rcLogical, int nSlackPixels);

// The device rectangles of a view that a document change makes stale; false
// when the whole view is (a new drawing, a new look, a change too large to
// bound). A change of the selection counts: the scene draws it in its colour.
bool ChangedDeviceRects(const CViewCoords& view, double dpr, const CDocChange& change,
                        std::vector<CRect>& rects);
