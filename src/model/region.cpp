#include "model/region.h"

#include <algorithm>
#include <cmath>

namespace {
CRect Normalised(const CPoint& a, const CPoint& b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}
bool InBox(const CRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
} // namespace

void CRegion::Swap(CRegion& other) noexcept {
    std::swap(m_pShapes, other.m_pShapes);
    std::swap(m_nShapes, other.m_nShapes);
    std::swap(m_nRoom, other.m_nRoom);
    std::swap(m_box, other.m_box);
}

void CRegion::Clear() {
    for (std::uint32_t i = 0; i < m_nShapes; ++i)
        m_pShapes[i] = Shape();
    m_nShapes = 0;
    m_box = CRect();
}

void CRegion::Release() {
    *this = CRegion();
}

void CRegion::Reserve(std::uint32_t n) {
    if (n <= m_nRoom) return;
    const std::uint32_t room = std::max(n, m_nRoom * 2);
    std::unique_ptr<Shape[]> grown(new Shape[room]);
    std::move(m_pShapes.get(), m_pShapes.get() + m_nShapes, grown.get());
    m_pShapes = std::move(grown);
    m_nRoom = room;
}

void CRegion::Copy(const CRegion& other) {
    CRegion copy;
    copy.Reserve(other.m_nShapes);
    std::copy(other.m_pShapes.get(), other.m_pShapes.get() + other.m_nShapes, copy.m_pShapes.get());
    copy.m_nShapes = other.m_nShapes;
    copy.m_box = other.m_box;
    Swap(copy);
}

void CRegion::Add(Shape shape) {
    m_box = BoxUnion(m_box, shape.box);
    Reserve(m_nShapes + 1);
    m_pShapes[m_nShapes++] = std::move(shape);
}

void CRegion::SetRect(const CPoint& a, const CPoint& b) {
    Clear();
    Add({KIND_RECT, Normalised(a, b), {}, ALTERNATE});
}

void CRegion::SetEllipse(const CPoint& a, const CPoint& b) {
    Clear();
    Add({KIND_ELLIPSE, Normalised(a, b), {}, ALTERNATE});
}

void CRegion::SetPolygon(const CPoint* pts, int n, PolyFillMode mode) {
    Clear();
    if (n <= 0) return;
    Shape s{KIND_POLYGON, {}, std::vector<CPoint>(pts, pts + n), mode};
    s.box = {pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const CPoint& p : s.points) {
        s.box.left = std::min(s.box.left, p.x);
        s.box.top = std::min(s.box.top, p.y);
        s.box.right = std::max(s.box.right, p.x);
        s.box.bottom = std::max(s.box.bottom, p.y);
    }
    Add(std::move(s));
}

void CRegion::Union(const CRegion& other) {
    const std::uint32_t n = other.m_nShapes;
    Reserve(m_nShapes + n);
    for (std::uint32_t i = 0; i < n; ++i)
        Add(other.m_pShapes[i]);
}

bool CRegion::PtInRegion(int x, int y) const {
    if (!InBox(m_box, x, y)) return false;
    for (std::uint32_t i = 0; i < m_nShapes; ++i)
        if (InShape(m_pShapes[i], x, y)) return true;
    return false;
}

bool CRegion::InShape(const Shape& s, int x, int y) {
    if (!InBox(s.box, x, y)) return false;
    switch (s.kind) {
    case KIND_RECT:
        return true;
    case KIND_ELLIPSE:
        return InEllipse(s.box, x, y);
    case KIND_POLYGON:
        return InPolygon(s, x, y);
    }
    return false;
}

// Doubled coordinates keep the cell centre integral: centre = (2x + 1, 2y + 1).
bool CRegion::InEllipse(const CRect& b, int x, int y) {
    using i128 = __int128;
    const std::int64_t w = std::int64_t(b.right) - b.left, h = std::int64_t(b.bottom) - b.top;
    const std::int64_t dx = 2 * std::int64_t(x) + 1 - (std::int64_t(b.left) + b.right);
    const std::int64_t dy = 2 * std::int64_t(y) + 1 - (std::int64_t(b.top) + b.bottom);
    // (dx / w)^2 + (dy / h)^2 <= 1; exact while the products fit in 128 bits.
    if (w < (std::int64_t(1) << 29) && h < (std::int64_t(1) << 29)) {
        const i128 lhs = i128(dx) * dx * h * h + i128(dy) * dy * w * w;
        return lhs <= i128(w) * w * h * h;
    }
    const long double fx = (long double)dx / w, fy = (long double)dy / h;
    return fx * fx + fy * fy <= 1.0L;
}

bool CRegion::InPolygon(const Shape& s, int x, int y) {
    using i128 = __int128;
    const std::int64_t px = 2 * std::int64_t(x) + 1, py = 2 * std::int64_t(y) + 1;
    int winding = 0, crossings = 0;
    const std::size_t n = s.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const CPoint& a = s.points[i];
        const CPoint& b = s.points[(i + 1) % n];
        const std::int64_t ax = 2 * std::int64_t(a.x), ay = 2 * std::int64_t(a.y);
        const std::int64_t bx = 2 * std::int64_t(b.x), by = 2 * std::int64_t(b.y);
        // py is odd and vertex ordinates are even, so py never equals a vertex ordinate.
        const bool upward = ay < py && by > py, downward = ay > py && by < py;
        if (!upward && !downward) continue;
        const i128 cross = i128(bx - ax) * (py - ay) - i128(px - ax) * (by - ay);
        if (upward && cross > 0) {
            ++winding;
            ++crossings;
        } else if (downward && cross < 0) {
            --winding;
            ++crossings;
        }
    }
    return s.mode == WINDING ? winding != 0 : (crossings & 1) != 0;
}
