#include "view/viewport/view_coords.h"

#include "doc/document/document.h"

#include <algorithm>
#include <cmath>

namespace {
// Truncation toward zero, pinned to 32 bits (NaN gives 0).
std::int32_t Trunc(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return std::int32_t(v);
}

double SafeRatio(double dRatio) {
    return dRatio > 0 && std::isfinite(dRatio) ? dRatio : 1.0;
}
} // namespace

double CViewCoords::ClampScale(double dScale) {
    if (!(dScale * 100 >= 10)) return MIN_SCALE;
    if (dScale * 100 > 2000) return MAX_SCALE;
    return dScale;
}

bool CViewCoords::SetScale(double dScale, bool bStretch, bool bForce) {
    dScale = ClampScale(dScale);
    const bool bChanged = dScale != m_dScale || bStretch != m_bStretch;
    m_dScale = dScale;
    m_bStretch = bStretch;
    return bChanged || bForce;
}

void CViewCoords::PrepareMapping(CMapping& map, double dDevicePixelRatio) const {
    const double r = SafeRatio(dDevicePixelRatio);
    map.SetWindowOrg(0, 0);
    if (m_bStretch) {
        map.SetMapMode(MM_ANISOTROPIC);
        map.SetWindowExt(SHEET_SIZE, SHEET_SIZE);
        // A zero extent would be refused: a collapsed window still maps somewhere.
        map.SetViewportExt(std::max(1, Trunc(m_szClient.cx * r)),
                           std::max(1, Trunc(m_szClient.cy * r)));
        map.SetViewportOrg(0, 0);
        return;
    }
    map.SetMapMode(MM_ISOTROPIC);
    map.SetWindowExt(SHEET_SIZE, SHEET_SIZE);
    const std::int32_t t = std::max(1, Trunc(m_dScale * r * SHEET_SIZE));
    map.SetViewportExt(t, t);
    map.SetViewportOrg(Trunc(-double(m_ptScroll.x) * m_dScale * r),
                       Trunc(-double(m_ptScroll.y) * m_dScale * r));
}

CPoint CViewCoords::LPtoDP(CPoint pt, double dDevicePixelRatio) const {
    CMapping map;
    PrepareMapping(map, dDevicePixelRatio);
    return map.LPtoDP(pt);
}

CPoint CViewCoords::DPtoLP(CPoint pt, double dDevicePixelRatio) const {
    CMapping map;
    PrepareMapping(map, dDevicePixelRatio);
    return map.DPtoLP(pt);
}

CRect CViewCoords::VisibleRect() const {
    CMapping map;
    PrepareMapping(map);
    const CPoint a = map.DPtoLP(CPoint{0, 0});
    const CPoint b = map.DPtoLP(CPoint{m_szClient.cx, m_szClient.cy});
    return {a.x, a.y, b.x, b.y};
}

namespace {
std::int32_t SnapAxis(std::int32_t v, int s) {
    if (s <= 1) return v;
    const std::int64_t r = v % s; // takes the sign of v
    if (std::llabs(r) < s / 2) return std::int32_t(v - r);
    return ClampToInt32(r > 0 ? std::int64_t(v) - r + s : std::int64_t(v) - s - r);
}
} // namespace

CPoint CViewCoords::SnapPoint(CPoint pt) const {
    if (!m_grid.bSnap) return pt;
    return {SnapAxis(pt.x, m_grid.nSnapX), SnapAxis(pt.y, m_grid.nSnapY)};
}

namespace {
std::int32_t CenterAxis(std::int32_t v, int nClient, double dScale) {
    const double w = std::min(double(nClient) / dScale, double(SHEET_SIZE));
    const std::int32_t nLeft = Trunc(v - w * 0.5);
    if (nLeft < 0) return 0;
    if (nLeft > SHEET_SIZE - w) return Trunc(SHEET_SIZE - w);
    return nLeft;
}
} // namespace

CPoint CViewCoords::CenterOn(int x, int y, double dScale) const {
    dScale = ClampScale(dScale);
    return {CenterAxis(x, m_szClient.cx, dScale), CenterAxis(y, m_szClient.cy, dScale)};
}

// The scale is pinned before centring, so at 2000 % a click still centres
// the clicked point instead of aiming at a zoom that is never reached.
bool CViewCoords::ZoomTool(CPoint ptLogical, bool bIn) {
    const double s = ClampScale(m_dScale * (bIn ? ZOOM_STEP : 1.0 / ZOOM_STEP));
    const CPoint pt = CenterOn(ptLogical.x, ptLogical.y, s);
    ScrollTo(pt.x, pt.y);
    return SetScale(s, false);
}

bool CViewCoords::ZoomAbout(CPoint ptClient, double dScale) {
    const double s = ClampScale(dScale);
    double lx, ly; // the point under the pointer, unrounded
    if (m_bStretch) {
        lx = double(ptClient.x) * SHEET_SIZE / std::max(1, m_szClient.cx);
        ly = double(ptClient.y) * SHEET_SIZE / std::max(1, m_szClient.cy);
    } else {
        lx = m_ptScroll.x + ptClient.x / m_dScale;
        ly = m_ptScroll.y + ptClient.y / m_dScale;
    }
    ScrollTo(Trunc(std::round(lx - ptClient.x / s)), Trunc(std::round(ly - ptClient.y / s)));
    return SetScale(s, false);
}

bool CViewCoords::ApplyZoomPercent(int nPercent) {
    const bool bRegions = SetScale(nPercent / 100.0, false);
    ScrollTo(0, 0);
    return bRegions;
}

bool CViewCoords::ToggleStretch() {
    const bool bRegions = SetScale(m_dScale, !m_bStretch);
    ScrollTo(0, 0);
    return bRegions;
}

// Nothing to show (no box, or a lone point) frames the sheet. A lone straight
// line has a box without area: it is framed with the reach of its pick region
// across it, instead of falling back to the sheet. The frame, margin
// included, is at most the sheet: a text of a million letters reaches
// millions of units, and fitting it would show nothing but the sheet's
// surroundings; nothing on the sheet frames the sheet.
bool CViewCoords::FitToWindow(CRect extent) {
    constexpr int LINE_REACH = 5;
    if (!HasBounds(extent) || (extent.left == extent.right && extent.top == extent.bottom))
        extent = {0, 0, SHEET_SIZE, SHEET_SIZE};
    if (extent.left == extent.right) extent.left -= LINE_REACH, extent.right += LINE_REACH;
    if (extent.top == extent.bottom) extent.top -= LINE_REACH, extent.bottom += LINE_REACH;
    std::int64_t l = extent.left, t = extent.top, r = extent.right, b = extent.bottom;
    const std::int64_t dx = (r - l) * 5 / 100, dy = (b - t) * 5 / 100;
    l = std::max<std::int64_t>(l - dx, 0), r = std::min<std::int64_t>(r + dx, SHEET_SIZE);
    t = std::max<std::int64_t>(t - dy, 0), b = std::min<std::int64_t>(b + dy, SHEET_SIZE);
    if (l >= r || t >= b) l = t = 0, r = b = SHEET_SIZE;
    const double sx = double(m_szClient.cx) / double(r - l);
    const double sy = double(m_szClient.cy) / double(b - t);
    const bool bRegions = SetScale(std::min(sx, sy), false, true);
    ScrollTo(std::int32_t(l), std::int32_t(t));
    return bRegions;
}

bool CViewCoords::StartView(int nDocKind, bool bHasPrimitives, CRect extent) {
    const bool bDrawing = nDocKind == DOC_DRAWING;
    m_bPCBMode = false;
    m_grid.bSnap = bDrawing;
    m_grid.bHideMacroOrigin = bDrawing;
    if (nDocKind == DOC_LIBRARY) return FrameComponent(bHasPrimitives, extent);
    if (bHasPrimitives) return FitToWindow(extent);
    const bool bRegions = SetScale(bDrawing ? 4.0 : 8.0, false);
    if (bDrawing)
        ScrollTo(0, 0);
    else
        GoToMacroOrigin();
    return bRegions;
}

// A component is drawn about (100, 100): at 800 % from (90, 90) it shows at a
// size to edit, its leads and origin in sight. Fitting would push a small one
// against the corner at 2000 %; only one too large to show that way is fitted.
bool CViewCoords::FrameComponent(bool bHasPrimitives, CRect extent) {
    const bool bRegions = SetScale(8.0, false);
    GoToMacroOrigin();
    if (!bHasPrimitives) return bRegions;
    const CRect v = VisibleRect();
    const bool bInside = extent.left >= v.left && extent.top >= v.top && extent.right <= v.right &&
                         extent.bottom <= v.bottom;
    return bInside ? bRegions : FitToWindow(extent) || bRegions;
}
