#pragma once
// Points and boxes in device pixels with fractions, and clipping against a
// box: what a rasteriser needs to see only the part of a figure near the image.
#include <vector>

struct CPointD {
    double x = 0, y = 0;
    bool operator==(const CPointD& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPointD& o) const { return !(*this == o); }
};

inline CPointD operator+(CPointD a, CPointD b) {
    return {a.x + b.x, a.y + b.y};
}
inline CPointD operator-(CPointD a, CPointD b) {
    return {a.x - b.x, a.y - b.y};
}
inline CPointD operator*(CPointD a, double k) {
    return {a.x * k, a.y * k};
}
inline CPointD operator/(CPointD a, double k) {
    return {a.x / k, a.y / k};
}

// Edges included on all four sides, so a box may have no width or height.
struct CRectD {
    double l = 0, t = 0, r = 0, b = 0;
};

CRectD Bounds(const CPointD* p, std::size_t n); // n > 0

// Closed intervals, so that a horizontal or vertical segment's zero-height box counts.
inline bool Overlaps(const CRectD& a, const CRectD& b) {
    return a.l <= b.r && a.r >= b.l && a.t <= b.b && a.b >= b.t;
}

// The part of the segment a-b inside `box`, in place; false when nothing of it is.
bool ClipSegment(CPointD& a, CPointD& b, const CRectD& box);

// The closed polygon cut down to `box`. Every point inside keeps its winding
// number, so both fill rules give the same interior within the box.
std::vector<CPointD> ClipPolygon(std::vector<CPointD> poly, const CRectD& box);
