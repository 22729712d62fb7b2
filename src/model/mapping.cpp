#include "model/mapping.h"

#include <cmath>
#include <cstdlib>

int CMapping::SetMapMode(int nMode) {
    const int old = m_nMode;
    m_nMode = nMode;
    Changed();
    if (nMode == MM_TEXT) {
        m_winExt = {1, 1};
        m_vpExt = {1, 1};
    }
    return old;
}

CPoint CMapping::SetWindowOrg(int x, int y) {
    const CPoint old = m_winOrg;
    m_winOrg = {x, y};
    Changed();
    return old;
}

CPoint CMapping::SetViewportOrg(int x, int y) {
    const CPoint old = m_vpOrg;
    m_vpOrg = {x, y};
    Changed();
    return old;
}

// Extents are fixed in the text mode and may not be zero in the others.
CSize CMapping::SetWindowExt(int cx, int cy) {
    const CSize old = m_winExt;
    if (m_nMode == MM_TEXT || cx == 0 || cy == 0) return old;
    m_winExt = {cx, cy};
    Changed();
    AdjustIsotropic();
    return old;
}

CSize CMapping::SetViewportExt(int cx, int cy) {
    const CSize old = m_vpExt;
    if (m_nMode == MM_TEXT || cx == 0 || cy == 0) return old;
    m_vpExt = {cx, cy};
    Changed();
    AdjustIsotropic();
    return old;
}

// In the isotropic mode one logical unit has the same size on both axes: the
// axis with the larger scale is shrunk to the other's, keeping its sign.
void CMapping::AdjustIsotropic() {
    if (m_nMode != MM_ISOTROPIC) return;
    const std::int64_t wx = std::llabs(m_winExt.cx), wy = std::llabs(m_winExt.cy);
    const std::int64_t vx = std::llabs(m_vpExt.cx), vy = std::llabs(m_vpExt.cy);
    // Compare vx / wx with vy / wy without dividing.
    const __int128 sx = __int128(vx) * wy, sy = __int128(vy) * wx;
    if (sx < sy) {
        const std::int32_t ny = Map(vx, wy, wx);
        m_vpExt.cy = m_vpExt.cy < 0 ? -ny : ny;
    } else if (sy < sx) {
        const std::int32_t nx = Map(vy, wx, wy);
        m_vpExt.cx = m_vpExt.cx < 0 ? -nx : nx;
    }
    if (m_vpExt.cx == 0) m_vpExt.cx = 1;
    if (m_vpExt.cy == 0) m_vpExt.cy = 1;
}

// v * num / den rounded to the nearest integer, halves away from zero.
static __int128 MapWide(std::int64_t v, std::int64_t num, std::int64_t den) {
    if (den == 0) return 0;
    std::int64_t q;
    if (MapNarrow(v, num, den, q)) return q; // no wide division
    __int128 p = __int128(v) * num;
    if (den < 0) {
        p = -p;
        den = -den;
    }
    const __int128 half = den / 2;
    return p >= 0 ? (p + half) / den : -((-p + half) / den);
}

static std::int32_t Pin(__int128 q) {
    if (q > INT32_MAX) return INT32_MAX;
    if (q < INT32_MIN) return INT32_MIN;
    return std::int32_t(q);
}

std::int32_t CMapping::Map(std::int64_t v, std::int64_t num, std::int64_t den) {
    return Pin(MapWide(v, num, den));
}

std::int32_t CMapping::MapAxisWide(std::int64_t d, std::int64_t num, std::int64_t den,
                                   std::int32_t to) {
    return Pin(MapWide(d, num, den) + to);
}

CPoint CMapping::DPtoLP(CPoint p) const {
    if (m_memo.bPoint && m_memo.device == p) return m_memo.logical;
    const CPoint l{
        Pin(MapWide(std::int64_t(p.x) - m_vpOrg.x, m_winExt.cx, m_vpExt.cx) + m_winOrg.x),
        Pin(MapWide(std::int64_t(p.y) - m_vpOrg.y, m_winExt.cy, m_vpExt.cy) + m_winOrg.y)};
    m_memo.bPoint = true;
    m_memo.device = p;
    m_memo.logical = l;
    return l;
}

// |device - image| < pixels implies |logical - point| < (pixels + 1/2) / scale,
// and the logical side was rounded by at most 1/2: one unit more covers both.
CSize CMapping::LogicalReach(int pixels) const {
    if (m_memo.nReachPixels == pixels) return m_memo.reach;
    const double rx = (pixels + 0.5) / std::fabs(ScaleX()) + 1.0;
    const double ry = (pixels + 0.5) / std::fabs(ScaleY()) + 1.0;
    m_memo.nReachPixels = pixels;
    m_memo.reach = {rx >= 2e9 ? INT32_MAX : std::int32_t(rx) + 1,
                    ry >= 2e9 ? INT32_MAX : std::int32_t(ry) + 1};
    return m_memo.reach;
}

// Sizes are lengths: they scale by the absolute extents and keep their sign.
CSize CMapping::LPtoDP(CSize s) const {
    return {Map(s.cx, std::llabs(m_vpExt.cx), std::llabs(m_winExt.cx)),
            Map(s.cy, std::llabs(m_vpExt.cy), std::llabs(m_winExt.cy))};
}

CSize CMapping::DPtoLP(CSize s) const {
    return {Map(s.cx, std::llabs(m_winExt.cx), std::llabs(m_vpExt.cx)),
            Map(s.cy, std::llabs(m_winExt.cy), std::llabs(m_vpExt.cy))};
}

double CMapping::ScaleX() const {
    return double(m_vpExt.cx) / m_winExt.cx;
}
double CMapping::ScaleY() const {
    return double(m_vpExt.cy) / m_winExt.cy;
}
