#include "view/forms/print_layout.h"

#include <algorithm>

namespace {
constexpr std::int64_t MARGIN_HMM = 500;

// Of a number of units, hundredths of a millimetre, truncating toward zero.
std::int64_t UnitsToHimetric(std::int64_t units, int nMicrons) {
    return units * nMicrons / 10;
}

bool LiesOnPage(const CPrintPage& page, const CPrintLayout& l) {
    CMapping map;
    ApplyPrintMapping(map, l);
    const CPoint a = map.LPtoDP(CPoint{l.bounds.left, l.bounds.top});
    const CPoint b = map.LPtoDP(CPoint{l.bounds.right, l.bounds.bottom});
    return a.x >= 0 && a.y >= 0 && b.x <= page.nWidth && b.y <= page.nHeight;
}
} // namespace

std::int64_t HimetricToDevice(std::int64_t hmm, int dpi) {
    const std::int64_t p = hmm * dpi;
    return p >= 0 ? (p + 1270) / 2540 : -((-p + 1270) / 2540);
}

int MirrorAxis(const CRect& b) {
    return ClampToInt32(std::int64_t(b.left) + (std::int64_t(b.right) - b.left) / 2);
}

CPrintLayout LayOutPage(const CPrintPage& page, const CRect& bounds, const CPrintOptions& o) {
    CPrintLayout l;
    l.bounds = bounds;
    l.bounds.right = std::max(l.bounds.right, ClampToInt32(std::int64_t(l.bounds.left) + 1));
    l.bounds.bottom = std::max(l.bounds.bottom, ClampToInt32(std::int64_t(l.bounds.top) + 1));
    const std::int64_t w = std::int64_t(l.bounds.right) - l.bounds.left;
    const std::int64_t h = std::int64_t(l.bounds.bottom) - l.bounds.top;
    if (o.bPCBMode) {
        const int k = o.nMicronsPerUnit;
        l.viewportExt = {ClampToInt32(HimetricToDevice(UnitsToHimetric(w, k), page.nDpiX)),
                         ClampToInt32(HimetricToDevice(UnitsToHimetric(h, k), page.nDpiY))};
        l.viewportOrg = {
            ClampToInt32(HimetricToDevice(UnitsToHimetric(l.bounds.left, k), page.nDpiX)),
            ClampToInt32(HimetricToDevice(UnitsToHimetric(l.bounds.top, k), page.nDpiY))};
        l.bMirror = o.bPrintMirror;
        l.nMirrorX = MirrorAxis(l.bounds);
        l.bFits = LiesOnPage(page, l);
    } else {
        const std::int64_t mx = HimetricToDevice(MARGIN_HMM, page.nDpiX);
        const std::int64_t my = HimetricToDevice(MARGIN_HMM, page.nDpiY);
        l.viewportOrg = {ClampToInt32(mx), ClampToInt32(my)};
        l.viewportExt = {ClampToInt32(std::max<std::int64_t>(1, page.nWidth - 2 * mx)),
                         ClampToInt32(std::max<std::int64_t>(1, page.nHeight - 2 * my))};
    }
    l.viewportExt.cx = std::max(l.viewportExt.cx, 1);
    l.viewportExt.cy = std::max(l.viewportExt.cy, 1);
    return l;
}

void ApplyPrintMapping(CMapping& map, const CPrintLayout& l) {
    map.SetMapMode(MM_ISOTROPIC);
    map.SetWindowExt(ClampToInt32(std::int64_t(l.bounds.right) - l.bounds.left),
                     ClampToInt32(std::int64_t(l.bounds.bottom) - l.bounds.top));
    map.SetViewportExt(l.viewportExt.cx, l.viewportExt.cy);
    map.SetWindowOrg(l.bounds.left, l.bounds.top);
    map.SetViewportOrg(l.viewportOrg.x, l.viewportOrg.y);
}
