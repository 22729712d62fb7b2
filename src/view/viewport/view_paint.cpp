#include "view/viewport/view_paint.h"

#include "doc/document/document.h"

#include <algorithm>
#include <cmath>

namespace {
int Dip(double dpr, int n) {
    return std::max(n, int(std::lround(n * dpr)));
}

// The device positions of the multiples of `step` from the logical range
// [lo, hi), kept on the sheet, each counted once.
void Axis(const CMapping& map, bool bY, int lo, int hi, int step, int devLo, int devHi,
          std::vector<int>& out) {
    out.clear();
    hi = std::min(hi, int(SHEET_SIZE));
    lo = std::max(lo, 0);
    const int r = lo % step;
    int last = INT32_MIN;
    for (std::int64_t v = std::int64_t(lo) - r; v < hi; v += step) {
        const CPoint p = map.LPtoDP(bY ? CPoint{0, int(v)} : CPoint{int(v), 0});
        const int d = bY ? p.y : p.x;
        if (d == last || d < devLo || d >= devHi) continue;
        out.push_back(d);
        last = d;
    }
}

// The step between the grid points drawn: every k-th point of the grid, the
// smallest k that keeps them GRID_MIN_SPACING pixels apart. Multiples of the
// wider step are still grid points, and every picture of the view picks the same.
int DrawnGridStep(int step, double dUnitPixels) {
    const double need = GRID_MIN_SPACING / (step * dUnitPixels);
    if (!(need < SHEET_SIZE)) return SHEET_SIZE * step; // a collapsed window: the first point only
    return step * std::max(1, int(std::ceil(need - 1e-9)));
}
} // namespace

CRect SheetDeviceRect(const CViewCoords& view, double dpr) {
    CMapping map;
    view.PrepareMapping(map, dpr);
    const CPoint a = map.LPtoDP(CPoint{0, 0});
    const CPoint b = map.LPtoDP(CPoint{SHEET_SIZE, SHEET_SIZE});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void GridDevicePositions(const CViewCoords& view, double dpr, const CRect& rcDevice,
                         std::vector<int>& cols, std::vector<int>& rows) {
    CMapping map;
    view.PrepareMapping(map, dpr);
    const CPoint a = map.DPtoLP(CPoint{rcDevice.left, rcDevice.top});
    const CPoint b = map.DPtoLP(CPoint{rcDevice.right, rcDevice.bottom});
    // One unit more each way, as the visible area is, so no edge point is lost.
    const double r = dpr > 0 && std::isfinite(dpr) ? dpr : 1.0;
    const int sx = DrawnGridStep(std::max(1, view.m_grid.nGridX), std::fabs(map.ScaleX()) / r);
    const int sy = DrawnGridStep(std::max(1, view.m_grid.nGridY), std::fabs(map.ScaleY()) / r);
    Axis(map, false, a.x - 1, b.x + 1, sx, rcDevice.left, rcDevice.right, cols);
    Axis(map, true, a.y - 1, b.y + 1, sy, rcDevice.top, rcDevice.bottom, rows);
}

void MarkBoxes(const CViewCoords& view, double dpr, const std::vector<CPrimitive*>& selection,
               const CLayerTable& layers, std::vector<CRect>& boxes) {
    boxes.clear();
    CMapping map;
    view.PrepareMapping(map, dpr);
    CRect vis = view.VisibleRect();
    vis = {vis.left - 1, vis.top - 1, vis.right + 1, vis.bottom + 1};
    const int h = Dip(dpr, MARK_HALF);
    for (const CPrimitive* p : selection) {
        if (p->IsInMacro() || !p->IsSelected() || !layers.IsShown(p->GetLayer(), false)) continue;
        for (int i = 0; i < p->GetPointCount(); ++i) {
            const CPoint pt = p->GetPoint(i);
            if (pt.x < vis.left || pt.x >= vis.right || pt.y < vis.top || pt.y >= vis.bottom)
                continue;
            const CPoint d = map.LPtoDP(pt);
            boxes.push_back({d.x - h, d.y - h, d.x + h, d.y + h});
        }
    }
}

CRect OriginBox(const CViewCoords& view, double dpr) {
    const CPoint o = view.LPtoDP(MACRO_ORIGIN, dpr);
    const int h = Dip(dpr, MARK_HALF);
    return {o.x - h, o.y - h, o.x + h, o.y + h};
}

CRect DeviceRectOf(const CViewCoords& view, double dpr, const CRect& rcLogical, int nSlackPixels) {
    CMapping map;
    view.PrepareMapping(map, dpr);
    const CPoint a = map.LPtoDP(CPoint{rcLogical.left, rcLogical.top});
    const CPoint b = map.LPtoDP(CPoint{rcLogical.right, rcLogical.bottom});
    const int g = Dip(dpr, MARK_HALF + 2 + std::max(0, nSlackPixels));
    return {std::min(a.x, b.x) - g, std::min(a.y, b.y) - g, std::max(a.x, b.x) + g + 1,
            std::max(a.y, b.y) + g + 1};
}

namespace {
int MaxSlack(const std::vector<CPrimitive*>& prims) {
    int n = 0;
    for (const CPrimitive* p : prims)
        n = std::max(n, p->GetBoundsSlack());
    return n;
}
} // namespace

bool ChangedDeviceRects(const CViewCoords& view, double dpr, const CDocChange& change,
                        std::vector<CRect>& rects) {
    rects.clear();
    if (change.nKind == DOCCHANGE_RESET || change.nKind == DOCCHANGE_APPEARANCE) return false;
    const int nSlack = MaxSlack(change.prims);
    if (change.bBefore) rects.push_back(DeviceRectOf(view, dpr, change.rcBefore, nSlack));
    if (change.bAfter) rects.push_back(DeviceRectOf(view, dpr, change.rcAfter, nSlack));
    if (!change.bBefore && !change.bAfter && !change.prims.empty()) {
        CRect box;
        if (change.prims.size() > MAX_BOUNDED_CHANGE) return false;
        if (UnionBounds(change.prims, box)) rects.push_back(DeviceRectOf(view, dpr, box, nSlack));
    }
    return true;
}
