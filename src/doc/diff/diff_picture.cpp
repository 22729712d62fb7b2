#include "doc/diff/diff_picture.h"

#include "doc/scene/layer_walk.h"

#include <algorithm>
#include <cmath>

namespace {
// Bounds include their right and bottom edges; a box here leaves them out, so
// that a level line still has an area.
CRect Box(const CPrimitive& p) {
    const CRect b = p.GetBounds();
    return {b.left, b.top, ClampToInt32(std::int64_t(b.right) + 1),
            ClampToInt32(std::int64_t(b.bottom) + 1)};
}

CRect ListBox(const CPrimitiveList& list) {
    CRect box{0, 0, 0, 0};
    for (const auto& p : list)
        if (p->IsComplete()) box = BoxUnion(box, Box(*p));
    return box;
}

CRect Widened(const CRect& r, int n) {
    return {ClampToInt32(std::int64_t(r.left) - n), ClampToInt32(std::int64_t(r.top) - n),
            ClampToInt32(std::int64_t(r.right) + n), ClampToInt32(std::int64_t(r.bottom) + n)};
}

CPoint Centre(const CRect& r) {
    return {ClampToInt32((std::int64_t(r.left) + r.right) / 2),
            ClampToInt32((std::int64_t(r.top) + r.bottom) / 2)};
}

// The primitives of a list at these indices, in list order, drawn in one colour.
void DrawInColour(CSurface& dc, const CPrimitiveList& list, std::vector<int> at,
                  const CLayerTable& layers, COLORREF colour) {
    std::sort(at.begin(), at.end());
    std::vector<CPrimitive*> prims;
    prims.reserve(at.size());
    for (int i : at)
        prims.push_back(list[std::size_t(i)].get());
    CLayerTable one = layers;
    std::fill(std::begin(one.m_crLayerColor), std::end(one.m_crLayerColor), colour);
    CLayerWalk walk(one);
    walk.crSelected = colour;
    DrawLayers(dc, CLayerBuckets(prims), walk);
}

// A line with a head about ten device pixels long at `to`.
void DrawArrow(CSurface& dc, CPoint from, CPoint to) {
    const double dx = double(to.x) - from.x, dy = double(to.y) - from.y;
    const double len = std::hypot(dx, dy), head = 10 / std::max(1e-9, std::fabs(dc.ScaleX()));
    if (len < 1) return;
    const CPen old = dc.SelectPen(SolidPen(DIFF_ARROW_COLOR));
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    for (double side : {-0.4, 0.4}) {
        const double a = std::atan2(dy, dx) + M_PI + side;
        dc.MoveTo(to.x, to.y);
        dc.LineTo(ClampToInt32(std::llround(to.x + head * std::cos(a))),
                  ClampToInt32(std::llround(to.y + head * std::sin(a))));
    }
    dc.SelectPen(old);
}
} // namespace

CRect DiffArea(const CPrimitiveList& oldList, const CPrimitiveList& newList,
               const CDrawingDiff& diff, int nContext) {
    const CRect sheet{0, 0, SHEET_SIZE, SHEET_SIZE};
    if (nContext == DIFF_CONTEXT_ALL) return sheet;
    CRect box{0, 0, 0, 0};
    for (const CDrawingChange& c : diff.changes) {
        if (c.nOld >= 0) box = BoxUnion(box, Box(*oldList[std::size_t(c.nOld)]));
        if (c.nNew >= 0) box = BoxUnion(box, Box(*newList[std::size_t(c.nNew)]));
    }
    if (box.IsEmpty()) box = BoxUnion(ListBox(oldList), ListBox(newList));
    return box.IsEmpty() ? sheet : Widened(box, nContext);
}

void SetDiffMapping(CSurface& dc, const CRect& area, int x0, int y0, int w, int h) {
    std::int64_t aw = std::max<std::int64_t>(1, std::int64_t(area.right) - area.left);
    std::int64_t ah = std::max<std::int64_t>(1, std::int64_t(area.bottom) - area.top);
    if (aw * h > ah * w)
        ah = aw * h / std::max(1, w);
    else
        aw = ah * w / std::max(1, h);
    const CPoint c = Centre(area);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(ClampToInt32(c.x - aw / 2), ClampToInt32(c.y - ah / 2));
    dc.SetWindowExt(ClampToInt32(aw), ClampToInt32(ah));
    dc.SetViewportOrg(x0, y0);
    dc.SetViewportExt(w, h);
}

void DrawDrawingDiff(CSurface& dc, const CPrimitiveList& oldList, const CPrimitiveList& newList,
                     const CDrawingDiff& diff, const CLayerTable& layers) {
    std::vector<char> changed(newList.size(), 0);
    std::vector<int> removed, added, same;
    for (const CDrawingChange& c : diff.changes) {
        if (c.nOld >= 0) removed.push_back(c.nOld);
        if (c.nNew >= 0) added.push_back(c.nNew);
        if (c.nNew >= 0) changed[std::size_t(c.nNew)] = 1;
    }
    for (std::size_t i = 0; i < newList.size(); ++i)
        if (!changed[i]) same.push_back(int(i));
    DrawInColour(dc, newList, same, layers, DIFF_SAME_COLOR);
    DrawInColour(dc, oldList, removed, layers, DIFF_REMOVED_COLOR);
    DrawInColour(dc, newList, added, layers, DIFF_ADDED_COLOR);
    for (const CDrawingChange& c : diff.changes)
        if (c.nKind == CHANGE_MOVED)
            DrawArrow(dc, Centre(Box(*oldList[std::size_t(c.nOld)])),
                      Centre(Box(*newList[std::size_t(c.nNew)])));
}
