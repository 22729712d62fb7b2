#pragma once
#include "view/view_coords.h"

// A view of cx x cy device-independent pixels at dScale, scrolled to ptScroll.
inline CViewCoords View(int cx, int cy, double dScale, CPoint ptScroll) {
    CViewCoords v;
    v.SetClientSize(cx, cy);
    v.SetScale(dScale, false);
    v.ScrollTo(ptScroll.x, ptScroll.y);
    return v;
}
