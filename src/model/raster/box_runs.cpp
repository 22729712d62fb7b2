#include "model/raster/box_runs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CPixelBox PixelBox(CPoint p, CPoint q, std::int64_t ew, std::int64_t eh) {
    CPixelBox box{
        std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y), 0, 0};
    box.ew = std::clamp<std::int64_t>(ew, 0, box.r - box.l);
    box.eh = std::clamp<std::int64_t>(eh, 0, box.b - box.t);
    return box;
}

namespace {

constexpr CSpan kNoSpan{std::int64_t(1) << 62, -(std::int64_t(1) << 62)};

// Pixels left out at each end of row e of an ellipse ew x eh pixels in size.
std::int64_t EllipseInset(std::int64_t ew, std::int64_t eh, std::int64_t e) {
    const std::int64_t off = std::llabs(2 * e + 1 - eh);
    if (off <= 1) return 0;
    const double d = double(off) / double(eh);
    const auto k = std::int64_t(std::floor(double(ew) * std::sqrt(1 - d * d)));
    const std::int64_t n = ew - 1 - k;
    return n <= 0 ? 0 : std::min((n + 1) / 2, (ew - 1) / 2);
}

void AddThinBox(const CPixelBox& box, const CBoxStyle& style, CRunList& stroke, CRunList& fill) {
    const std::int64_t top = std::max<std::int64_t>(box.t, 0);
    const std::int64_t bottom = std::min<std::int64_t>(box.b, stroke.Height());
    CSpan prev = RowSpan(box, top - 1), cur = RowSpan(box, top);
    for (std::int64_t y = top; y < bottom; ++y) {
        const CSpan next = RowSpan(box, y + 1);
        const CSpan inner{std::max({cur.lo + 1, prev.lo, next.lo}),
                          std::min({cur.hi - 1, prev.hi, next.hi})};
        if (style.bStroke) stroke.AddSpan(y, cur.lo, cur.hi, inner.lo, inner.hi);
        if (style.bFill && style.bStroke)
            fill.Add(true, y, inner.lo, inner.hi);
        else if (style.bFill)
            fill.Add(true, y, cur.lo, cur.hi);
        prev = cur;
        cur = next;
    }
}

// The box grown by `grow` at its top left and `growHi` at its bottom right.
CPixelBox Resized(const CPixelBox& box, std::int64_t grow, std::int64_t growHi) {
    const bool bEllipse = box.ew == box.r - box.l && box.eh == box.b - box.t;
    CPixelBox b{box.l - grow, box.t - grow, box.r + growHi, box.b + growHi, 0, 0};
    const std::int64_t cx = b.r - b.l, cy = b.b - b.t, d = grow + growHi;
    b.ew = bEllipse ? cx : box.ew == 0 ? 0 : std::clamp<std::int64_t>(box.ew + d, 0, cx);
    b.eh = bEllipse ? cy : box.eh == 0 ? 0 : std::clamp<std::int64_t>(box.eh + d, 0, cy);
    return b;
}

void AddWideBox(const CPixelBox& box, const CBoxStyle& style, CRunList& stroke, CRunList& fill) {
    const std::int64_t w = style.nPenWidth, lo = w / 2, hi = (w - 1) / 2;
    CPixelBox outer = Resized(box, lo, hi);
    if (style.bRound && box.ew == 0) outer.ew = outer.eh = lo + hi;
    const CPixelBox inner = Resized(box, lo - w, hi - w);
    const std::int64_t top = std::max<std::int64_t>(outer.t, 0);
    const std::int64_t bottom = std::min<std::int64_t>(outer.b, stroke.Height());
    for (std::int64_t y = top; y < bottom; ++y) {
        const CSpan o = RowSpan(outer, y), i = RowSpan(inner, y);
        stroke.AddSpan(y, o.lo, o.hi, i.lo, i.hi);
        if (style.bFill) fill.Add(true, y, i.lo, i.hi);
    }
}

} // namespace

CSpan RowSpan(const CPixelBox& box, std::int64_t y) {
    if (y < box.t || y >= box.b || box.l >= box.r) return kNoSpan;
    const std::int64_t j = y - box.t, fromBottom = box.b - 1 - y;
    std::int64_t inset = 0;
    if (2 * j < box.eh)
        inset = EllipseInset(box.ew, box.eh, j);
    else if (2 * fromBottom < box.eh)
        inset = EllipseInset(box.ew, box.eh, fromBottom);
    return CSpan{box.l + inset, box.r - 1 - inset};
}

void AddBoxRuns(const CPixelBox& box, const CBoxStyle& style, CRunList& stroke, CRunList& fill) {
    if (box.l >= box.r || box.t >= box.b || (!style.bFill && !style.bStroke)) return;
    if (style.bStroke && style.nPenWidth > 0)
        AddWideBox(box, style, stroke, fill);
    else
        AddThinBox(box, style, stroke, fill);
}
