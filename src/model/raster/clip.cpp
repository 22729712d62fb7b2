#include "model/raster/clip.h"

#include <algorithm>

CRectD Bounds(const CPointD* p, std::size_t n) {
    CRectD box{p[0].x, p[0].y, p[0].x, p[0].y};
    for (std::size_t i = 1; i < n; ++i) {
        box.l = std::min(box.l, p[i].x);
        box.r = std::max(box.r, p[i].x);
        box.t = std::min(box.t, p[i].y);
        box.b = std::max(box.b, p[i].y);
    }
    return box;
}

// Liang-Barsky.
bool ClipSegment(CPointD& a, CPointD& b, const CRectD& box) {
    const CPointD d = b - a;
    const double p[4] = {-d.x, d.x, -d.y, d.y};
    const double q[4] = {a.x - box.l, box.r - a.x, a.y - box.t, box.b - a.y};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const CPointD a0 = a;
    if (t1 < 1) b = a0 + d * t1;
    if (t0 > 0) a = a0 + d * t0;
    return true;
}

namespace {

// One Sutherland-Hodgman pass against the half-plane sign * (coord - v) >= 0.
std::vector<CPointD> ClipHalfPlane(const std::vector<CPointD>& in, bool bX, double v, double sign) {
    auto coord = [bX](const CPointD& p) { return bX ? p.x : p.y; };
    std::vector<CPointD> out;
    out.reserve(in.size() + 4);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const CPointD& p = in[i];
        const CPointD& q = in[(i + 1) % in.size()];
        const bool pIn = sign * (coord(p) - v) >= 0, qIn = sign * (coord(q) - v) >= 0;
        if (pIn) out.push_back(p);
        if (pIn != qIn) {
            CPointD x = p + (q - p) * ((v - coord(p)) / (coord(q) - coord(p)));
            (bX ? x.x : x.y) = v;
            out.push_back(x);
        }
    }
    return out;
}

} // namespace

std::vector<CPointD> ClipPolygon(std::vector<CPointD> poly, const CRectD& box) {
    poly = ClipHalfPlane(poly, true, box.l, 1);
    poly = ClipHalfPlane(poly, true, box.r, -1);
    poly = ClipHalfPlane(poly, false, box.t, 1);
    return ClipHalfPlane(poly, false, box.b, -1);
}
