#include "doc/nets/net_geometry.h"

#include "model/bezier.h"
#include "model/connection.h"
#include "model/ellipse.h"
#include "model/line.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/poly.h"
#include "model/raster/flatten.h"
#include "model/rectangle.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
// Curved outlines other than circles become polygons of this many sides
// drawn around the curve, so that no copper is left out.
constexpr int kCurveSides = 64;

CVec Sub(CVec a, CVec b) {
    return {a.x - b.x, a.y - b.y};
}
double Dot(CVec a, CVec b) {
    return a.x * b.x + a.y * b.y;
}
double Cross(CVec a, CVec b) {
    return a.x * b.y - a.y * b.x;
}
double Length(CVec a) {
    return std::hypot(a.x, a.y);
}

// Whether the closed segments ab and cd share a point, and one of them.
bool Intersect(CVec a, CVec b, CVec c, CVec d, CVec& at) {
    const CVec r = Sub(b, a), s = Sub(d, c);
    const double den = Cross(r, s);
    if (den == 0) return false; // parallel: the end-point distances find any overlap
    const double t = Cross(Sub(c, a), s) / den, u = Cross(Sub(c, a), r) / den;
    if (t < 0 || t > 1 || u < 0 || u > 1) return false;
    at = {a.x + t * r.x, a.y + t * r.y};
    return true;
}

void Closer(CNearest& best, const CNearest& n) {
    if (n.d < best.d) best = n;
}

CNearest Swapped(CNearest n) {
    std::swap(n.a, n.b);
    return n;
}

// The edges of a core: none for a point, the segment itself, or the polygon's.
template <class F> void ForEachEdge(const std::vector<CVec>& v, F f) {
    if (v.size() == 2) f(v[0], v[1]);
    if (v.size() < 3) return;
    for (std::size_t i = 0; i < v.size(); ++i)
        f(v[i], v[(i + 1) % v.size()]);
}

// Stops looking once some pair is within dStop.
CNearest CoreDistance(const std::vector<CVec>& s, const std::vector<CVec>& o, double dStop = -1) {
    if (o.size() >= 3 && PointInPolygon(s[0], o)) return {0, s[0], s[0]};
    if (s.size() >= 3 && PointInPolygon(o[0], s)) return {0, o[0], o[0]};
    CNearest best{HUGE_VAL, {}, {}};
    if (s.size() == 1 && o.size() == 1) return {Length(Sub(o[0], s[0])), s[0], o[0]};
    if (s.size() == 1) {
        ForEachEdge(o, [&](CVec a, CVec b) {
            if (best.d > dStop) Closer(best, PointSegment(s[0], a, b));
        });
        return best;
    }
    if (o.size() == 1) {
        ForEachEdge(s, [&](CVec a, CVec b) {
            if (best.d > dStop) Closer(best, Swapped(PointSegment(o[0], a, b)));
        });
        return best;
    }
    ForEachEdge(s, [&](CVec a, CVec b) {
        ForEachEdge(o, [&](CVec c, CVec d) {
            if (best.d > dStop) Closer(best, SegmentSegment(a, b, c, d));
        });
    });
    return best;
}

CCopperShape Polygon(std::vector<CVec> pts, double r = 0) {
    CCopperShape s;
    s.pts = std::move(pts);
    s.r = r;
    s.Finish();
    return s;
}

// Points of the arc from angle a0 to a0 + pi/2 around (cx, cy): its ends,
// then vertices between them pushed out so that the edges touch the arc from
// outside and no copper is left out.
void AddArc(std::vector<CVec>& v, double cx, double cy, double rx, double ry, double a0) {
    const int n = kCurveSides / 4;
    const double step = kPi / 2 / n, k = 1 / std::cos(step / 2);
    v.push_back({cx + rx * std::cos(a0), cy + ry * std::sin(a0)});
    for (int i = 0; i < n; ++i) {
        const double a = a0 + step * (i + 0.5);
        v.push_back({cx + k * rx * std::cos(a), cy + k * ry * std::sin(a)});
    }
    v.push_back({cx + rx * std::cos(a0 + kPi / 2), cy + ry * std::sin(a0 + kPi / 2)});
}

std::vector<CVec> AroundEllipse(double cx, double cy, double rx, double ry) {
    std::vector<CVec> v;
    for (int q = 0; q < 4; ++q) {
        AddArc(v, cx, cy, rx, ry, kPi / 2 * q);
        v.pop_back(); // the next quarter starts there
    }
    return v;
}

std::vector<CVec> Box(double l, double t, double r, double b) {
    return {{l, t}, {r, t}, {r, b}, {l, b}};
}

// A rounded pad's corner is a quarter of its sizes across: a circle's arc
// when the pad is square, else an ellipse's, taken as a polygon.
std::vector<CVec> RoundedPad(double x, double y, double hx, double hy, double& r) {
    const double rx = hx / 2, ry = hy / 2;
    if (rx == ry) {
        r = rx;
        return Box(x - hx + r, y - hy + r, x + hx - r, y + hy - r);
    }
    std::vector<CVec> v;
    for (int q = 0; q < 4; ++q) {
        const double sx = (q == 0 || q == 3) ? 1 : -1, sy = q < 2 ? 1 : -1;
        AddArc(v, x + sx * (hx - rx), y + sy * (hy - ry), rx, ry, kPi / 2 * q);
    }
    return v;
}

CCopperShape PadShape(const CPCBPad& p) {
    const double x = p.m_points[0].x, y = p.m_points[0].y;
    const double hx = p.m_nSizeX / 2.0, hy = p.m_nSizeY / 2.0;
    if (p.m_nPadStyle == PAD_SQUARE) return Polygon(Box(x - hx, y - hy, x + hx, y + hy));
    if (p.m_nPadStyle == PAD_ROUNDED) {
        double r = 0;
        std::vector<CVec> v = RoundedPad(x, y, hx, hy, r);
        return Polygon(std::move(v), r);
    }
    if (hx == hy) return Polygon({{x, y}}, hx);
    return Polygon(AroundEllipse(x, y, hx, hy));
}

template <class T> const T* As(const CPrimitive& p) {
    return dynamic_cast<const T*>(&p);
}
} // namespace

void CCopperShape::Finish() {
    l = rt = pts[0].x, t = b = pts[0].y;
    for (const CVec& v : pts)
        l = std::min(l, v.x), rt = std::max(rt, v.x), t = std::min(t, v.y), b = std::max(b, v.y);
    l -= r, t -= r, rt += r, b += r;
}

CNearest PointSegment(CVec p, CVec a, CVec b) {
    const CVec ab = Sub(b, a);
    const double len2 = Dot(ab, ab);
    const double t = len2 > 0 ? std::clamp(Dot(Sub(p, a), ab) / len2, 0.0, 1.0) : 0;
    const CVec q{a.x + t * ab.x, a.y + t * ab.y};
    return {Length(Sub(p, q)), p, q};
}

CNearest SegmentSegment(CVec a, CVec b, CVec c, CVec d) {
    CVec at;
    if (Intersect(a, b, c, d, at)) return {0, at, at};
    CNearest best = PointSegment(a, c, d);
    Closer(best, PointSegment(b, c, d));
    Closer(best, Swapped(PointSegment(c, a, b)));
    Closer(best, Swapped(PointSegment(d, a, b)));
    return best;
}

bool PointInPolygon(CVec p, const std::vector<CVec>& v) {
    bool bIn = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++)
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < v[j].x + (p.y - v[j].y) * (v[i].x - v[j].x) / (v[i].y - v[j].y))
            bIn = !bIn;
    return bIn;
}

CNearest ShapeDistance(const CCopperShape& s, const CCopperShape& o) {
    CNearest n = CoreDistance(s.pts, o.pts);
    if (n.d <= 0) return n;
    // The grown edges sit along the line between the cores' nearest points.
    const CVec dir{(n.b.x - n.a.x) / n.d, (n.b.y - n.a.y) / n.d};
    const double gap = n.d - s.r - o.r;
    if (gap <= 0) {
        const double k = s.r / (s.r + o.r) * n.d;
        const CVec m{n.a.x + dir.x * k, n.a.y + dir.y * k};
        return {0, m, m};
    }
    return {gap,
            {n.a.x + dir.x * s.r, n.a.y + dir.y * s.r},
            {n.b.x - dir.x * o.r, n.b.y - dir.y * o.r}};
}

bool ShapesTouch(const CCopperShape& s, const CCopperShape& o) {
    return CoreDistance(s.pts, o.pts, s.r + o.r).d <= s.r + o.r;
}

bool CopperShape(const CPrimitive& p, CCopperShape& out) {
    auto pt = [](const CPoint& q) { return CVec{double(q.x), double(q.y)}; };
    if (auto* t = As<CPCBLine>(p)) {
        out = Polygon({pt(t->m_points[0]), pt(t->m_points[1])}, t->m_nThickness / 2.0);
    } else if (auto* pad = As<CPCBPad>(p)) {
        out = PadShape(*pad);
    } else if (auto* dot = As<CConnection>(p)) {
        out = Polygon({pt(dot->m_points[0])}, 1);
    } else if (auto* r = As<CRectangle>(p); r && r->m_bFilled) {
        const CPoint a = r->m_points[0], c = r->m_points[1];
        out = Polygon(
            Box(std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)));
    } else if (auto* e = As<CEllipse>(p); e && e->m_bFilled) {
        const CPoint a = e->m_points[0], c = e->m_points[1];
        out = Polygon(AroundEllipse((a.x + double(c.x)) / 2, (a.y + double(c.y)) / 2,
                                    std::abs(c.x - double(a.x)) / 2,
                                    std::abs(c.y - double(a.y)) / 2));
    } else if (auto* poly = As<CPoly>(p); poly && poly->m_bFilled && poly->GetPointCount() >= 3) {
        std::vector<CVec> v;
        for (int i = 0; i < poly->GetPointCount(); ++i)
            v.push_back(pt(poly->m_points[i]));
        out = Polygon(std::move(v));
    } else {
        return false;
    }
    return true;
}

bool OutlinePath(const CPrimitive& p, std::vector<CVec>& pts, bool& bClosed) {
    auto pt = [](const CPoint& q) { return CVec{double(q.x), double(q.y)}; };
    bClosed = false;
    if (As<CLine>(p) || As<CPCBLine>(p)) {
        pts = {pt(p.GetPoint(0)), pt(p.GetPoint(1))};
    } else if (auto* bz = As<CBezier>(p)) {
        CPointD d[4];
        for (int i = 0; i < 4; ++i)
            d[i] = {double(bz->m_points[i].x), double(bz->m_points[i].y)};
        std::vector<CPointD> flat;
        FlattenCubic(d, {-1e300, -1e300, 1e300, 1e300}, flat);
        pts = {{d[0].x, d[0].y}};
        for (const CPointD& q : flat)
            pts.push_back({q.x, q.y});
    } else if (auto* r = As<CRectangle>(p)) {
        const CPoint a = r->m_points[0], c = r->m_points[1];
        pts = Box(a.x, a.y, c.x, c.y), bClosed = true;
    } else if (auto* e = As<CEllipse>(p)) {
        const CPoint a = e->m_points[0], c = e->m_points[1];
        pts = AroundEllipse((a.x + double(c.x)) / 2, (a.y + double(c.y)) / 2,
                            std::abs(c.x - double(a.x)) / 2, std::abs(c.y - double(a.y)) / 2);
        bClosed = true;
    } else if (auto* poly = As<CPoly>(p); poly && poly->GetPointCount() >= 2) {
        pts.clear();
        for (int i = 0; i < poly->GetPointCount(); ++i)
            pts.push_back(pt(poly->m_points[i]));
        bClosed = true;
    } else {
        return false;
    }
    return true;
}
