#pragma once
// Rectangles, rounded rectangles and ellipses as exact pixel spans, row by
// row, visiting only the rows on the image, so their size does not matter.
#include "model/raster/pixel_runs.h"

#include <cstdint>

// Device pixels l <= x < r, t <= y < b, with elliptic corners ew x eh pixels
// in size: a rectangle with none, an ellipse when they are the box's size.
struct CPixelBox {
    std::int64_t l = 0, t = 0, r = 0, b = 0, ew = 0, eh = 0;
};

// The box with corners p and q in either order (a mapping may flip an axis),
// its corner ellipse clamped to its size.
CPixelBox PixelBox(CPoint p, CPoint q, std::int64_t ew, std::int64_t eh);

// The pixels lo..hi of row y inside the box, a pixel being in when its centre
// is; lo > hi when the row holds none. Rows mirror about the box's middle, and
// every row keeps its middle pixels, so very flat or very narrow ellipses
// still reach all four sides of their box.
struct CSpan {
    std::int64_t lo, hi;
};
CSpan RowSpan(const CPixelBox& box, std::int64_t y);

struct CBoxStyle {
    bool bFill = false, bStroke = false;
    std::int64_t nPenWidth = 0; // in device pixels; 0 for an outline one pixel wide
    bool bRound = false;        // round joins at a rectangle's corners
};

// The box's outline into `stroke` and its inside into `fill` (both of one
// image's size). A thin outline is the box's pixels with a neighbour outside
// it; a wide one the ring between the box grown and shrunk about the line
// through its outermost pixel centres. The outline's pixels and the fill's
// never overlap, so in an exclusive-or mode every pixel changes once.
void AddBoxRuns(const CPixelBox& box, const CBoxStyle& style, CRunList& stroke, CRunList& fill);
