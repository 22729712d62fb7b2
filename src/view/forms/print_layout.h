#pragma once
// Where a drawing goes on a printed page: fitted to the page inside 5 mm
// margins keeping its proportions, or at real scale (PCB artwork), keeping its
// place on the sheet counted from the printable area's corner, and then
// mirrored left to right when asked.
#include "model/mapping.h"

#include <cstdint>

// The printable area of a page in device units, and the device's resolution.
struct CPrintPage {
    std::int64_t nWidth = 0, nHeight = 0;
    int nDpiX = 600, nDpiY = 600; // device units per inch
};

struct CPrintOptions {
    bool bPCBMode = false; // real scale instead of fit to page
    int nMicronsPerUnit = 127;
    bool bPrintMirror = true; // mirrored, in PCB mode only
};

struct CPrintLayout {
    CRect bounds;         // the drawing's extent in logical units: the mapping's window
    CPoint viewportOrg;   // device units
    CSize viewportExt;    // as asked; the isotropic mapping may shrink one axis
    bool bMirror = false; // draw mirrored about the vertical line x = nMirrorX
    int nMirrorX = 0;
    bool bFits = true; // the whole extent lies on the printable area
};

// Hundredths of a millimetre as device units at `dpi`, rounded.
std::int64_t HimetricToDevice(std::int64_t hmm, int dpi);

// The middle of the extent, truncating toward zero: bounds from x = 100 to 301
// mirror about 200.
int MirrorAxis(const CRect& bounds);

// `bounds` with no width or height is taken one unit wide or high.
CPrintLayout LayOutPage(const CPrintPage& page, const CRect& bounds, const CPrintOptions& o);

// The isotropic mapping of the layout: the extent's top-left corner at the
// viewport origin.
void ApplyPrintMapping(CMapping& map, const CPrintLayout& layout);
