#pragma once
// Basic integer geometry of the drawing model: logical units, colours, zoom scaling.
#include <algorithm>
#include <cstdint>
#include <limits>

using COLORREF = std::uint32_t; // 0x00BBGGRR

constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) {
    return int(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return int((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return int((c >> 16) & 0xFF);
}

struct CPoint {
    std::int32_t x = -1;
    std::int32_t y = -1;
    constexpr CPoint() = default;
    constexpr CPoint(std::int32_t ax, std::int32_t ay) : x(ax), y(ay) {}
    constexpr bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const CPoint& o) const { return !(*this == o); }
};

struct CSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// A box given by two corners; `right` and `bottom` are exclusive where a region
// or a fill is concerned, as on the screen.
struct CRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The drawing sheet: SHEET_SIZE x SHEET_SIZE logical units from (0, 0).
constexpr int SHEET_SIZE = 2500;

// The box of both; an empty box adds nothing.
inline CRect BoxUnion(const CRect& a, const CRect& b) {
    if (b.IsEmpty()) return a;
    if (a.IsEmpty()) return b;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// The unset point: both coordinates -1. A point with one coordinate -1 is ordinary.
constexpr CPoint POINT_UNSET{-1, -1};
inline bool IsUnset(const CPoint& p) {
    return p.x == -1 && p.y == -1;
}

// Values that do not fit in 32 bits are pinned to the nearest representable one.
inline std::int32_t ClampToInt32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(v);
}

// coordinate * zoom / 100, truncating toward zero, computed in 64 bits.
inline std::int32_t ScaleZoom(std::int32_t v, int nZoomPercent) {
    return ClampToInt32(std::int64_t(v) * nZoomPercent / 100);
}

inline CPoint ScalePoint(const CPoint& p, int nZoomPercent) {
    return {ScaleZoom(p.x, nZoomPercent), ScaleZoom(p.y, nZoomPercent)};
}

// Bounds hold their edges; a box with right < left or bottom < top holds nothing.
inline bool HasBounds(const CRect& r) {
    return r.left <= r.right && r.top <= r.bottom;
}

// Whether two boxes, edges included, touch once the first is widened by `grow`.
inline bool Touches(const CRect& a, const CRect& b, std::int64_t grow = 0) {
    return a.left - grow <= b.right && b.left <= a.right + grow && a.top - grow <= b.bottom &&
           b.top <= a.bottom + grow;
}

// The box of the first n points, widened by `margin` on every side.
inline CRect PointsBox(const CPoint* pts, int n, int margin) {
    if (n <= 0) return CRect();
    std::int64_t l = pts[0].x, t = pts[0].y, r = l, b = t;
    for (int i = 1; i < n; ++i) {
        l = std::min<std::int64_t>(l, pts[i].x), r = std::max<std::int64_t>(r, pts[i].x);
        t = std::min<std::int64_t>(t, pts[i].y), b = std::max<std::int64_t>(b, pts[i].y);
    }
    return {ClampToInt32(l - margin), ClampToInt32(t - margin), ClampToInt32(r + margin),
            ClampToInt32(b + margin)};
}

// a grown to hold b; an empty b changes nothing.
inline void GrowRect(CRect& a, const CRect& b) {
    if (!HasBounds(b)) return;
    if (!HasBounds(a)) {
        a = b;
        return;
    }
    a = {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
         std::max(a.bottom, b.bottom)};
}
