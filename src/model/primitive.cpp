#include "model/primitive.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

CPrimitive::CPrimitive() {
    for (int i = 0; i < MAX_POINTS; ++i) m_points[i] = m_savedPoints[i] = POINT_UNSET;
}

void CPrimitive::Move(int dx, int dy) {
    for (int i = 0; i < std::min(GetPointCount(), MAX_POINTS); ++i) {
        m_points[i].x = ClampToInt32(std::int64_t(m_points[i].x) + dx);
        m_points[i].y = ClampToInt32(std::int64_t(m_points[i].y) + dy);
    }
}

// A clockwise quarter turn on the screen (y grows downward) unless counter-clockwise.
void CPrimitive::Rotate(int cx, int cy, bool bCounterClockwise) {
    if (!(GetCapabilities() & 0x03)) return;
    for (int i = 0; i < std::min(GetPointCount(), MAX_POINTS); ++i) {
        const std::int64_t x = m_points[i].x, y = m_points[i].y;
        if (bCounterClockwise) {
            m_points[i] = {ClampToInt32(cx + (y - cy)), ClampToInt32(cy - (x - cx))};
        } else {
            m_points[i] = {ClampToInt32(cx + (cy - y)), ClampToInt32(cy + (x - cx))};
        }
    }
}

void CPrimitive::Mirror(int x0) {
    if (!(GetCapabilities() & 0x60)) return;
    for (int i = 0; i < std::min(GetPointCount(), MAX_POINTS); ++i)
        m_points[i].x = ClampToInt32(2 * std::int64_t(x0) - m_points[i].x);
}

void CPrimitive::UpdateRegion(CSurface&) {}

CRect PointsBox(const CPoint* pts, int n, int margin) {
    if (n <= 0) return CRect();
    std::int64_t l = pts[0].x, t = pts[0].y, r = l, b = t;
    for (int i = 1; i < n; ++i) {
        l = std::min<std::int64_t>(l, pts[i].x), r = std::max<std::int64_t>(r, pts[i].x);
        t = std::min<std::int64_t>(t, pts[i].y), b = std::max<std::int64_t>(b, pts[i].y);
    }
    return {ClampToInt32(l - margin), ClampToInt32(t - margin), ClampToInt32(r + margin),
            ClampToInt32(b + margin)};
}

void GrowRect(CRect& a, const CRect& b) {
    if (!HasBounds(b)) return;
    if (!HasBounds(a)) {
        a = b;
        return;
    }
    a = {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
         std::max(a.bottom, b.bottom)};
}

CRect CPrimitive::GetBounds() const {
    const int n = std::min(GetPointCount(), MAX_POINTS);
    if (n == 0) return CRect{0, 0, -1, -1};
    return PointsBox(m_points, n, 0);
}

bool CPrimitive::CopyFrom(const CPrimitive* other) {
    std::copy(std::begin(other->m_points), std::end(other->m_points), m_points);
    std::copy(std::begin(other->m_savedPoints), std::end(other->m_savedPoints), m_savedPoints);
    m_bSelected = other->m_bSelected;
    m_nOrientation = other->m_nOrientation;
    m_bMirrored = other->m_bMirrored;
    m_nLayer = other->m_nLayer;
    m_bInMacro = other->m_bInMacro;
    m_nSavedOrientation = other->m_nSavedOrientation;
    m_bSavedMirrored = other->m_bSavedMirrored;
    return true;
}

// A point far from the click in logical units cannot be near it on the device,
// so only near points are converted.
int CPrimitive::HitTest(int x, int y, CSurface& dc) {
    if (m_bInMacro) return HIT_MISS;
    const CPoint lp = dc.DPtoLP(CPoint{x, y});
    const CSize reach = dc.LogicalReach(5);
    for (int i = 0; i < std::min(GetPointCount(), MAX_POINTS); ++i) {
        if (std::llabs(std::int64_t(lp.x) - m_points[i].x) > reach.cx ||
            std::llabs(std::int64_t(lp.y) - m_points[i].y) > reach.cy)
            continue;
        const CPoint p = dc.LPtoDP(m_points[i]);
        if (std::llabs(std::int64_t(x) - p.x) < 5 && std::llabs(std::int64_t(y) - p.y) < 5)
            return i;
    }
    if (!m_rgn.IsEmpty() && m_rgn.PtInRegion(lp.x, lp.y)) return HIT_INSIDE;
    return HIT_MISS;
}

bool CPrimitive::IsComplete() const {
    for (int i = 0; i < std::min(GetPointCount(), MAX_POINTS); ++i)
        if (IsUnset(m_points[i])) return false;
    return true;
}

void CPrimitive::SaveState() {
    std::copy(std::begin(m_points), std::end(m_points), m_savedPoints);
    m_nSavedOrientation = m_nOrientation;
    m_bSavedMirrored = m_bMirrored;
}

void CPrimitive::RestoreState() {
    std::copy(std::begin(m_savedPoints), std::end(m_savedPoints), m_points);
    m_nOrientation = m_nSavedOrientation;
    m_bMirrored = m_bSavedMirrored;
}

CPoint CPrimitive::GetPoint(int i) const {
    if (i < 0 || i >= std::min(GetPointCount(), MAX_POINTS)) return POINT_UNSET;
    return m_points[i];
}

void CPrimitive::SetPoint(int i, int x, int y, bool) {
    if (i < 0 || i >= std::min(GetPointCount(), MAX_POINTS)) return;
    m_points[i] = {x, y};
}

bool CPrimitive::GetPropertyDescription(int, std::string&, std::string&) const { return false; }
bool CPrimitive::GetProperty(const char*, std::string&) const { return false; }
bool CPrimitive::SetProperty(const char*, const char*) { return false; }

int CPrimitive::Draw(CSurface&, bool, COLORREF, COLORREF, COLORREF, int, int, bool) { return 0; }

bool CPrimitive::GetTextLine(std::string&, bool) const { return false; }

int CPrimitive::SetLayer(int nLayer) {
    const int old = m_nLayer;
    if (nLayer >= 0 && nLayer < LAYER_COUNT) m_nLayer = nLayer;
    return old;
}

std::string CPrimitive::LayerEnding() const {
    if (m_nLayer == 0) return "\r\n";
    return " " + std::to_string(m_nLayer) + "\r\n";
}

void MakeLineRegion(CSurface& dc, CRegion& rgn, int x1, int y1, int x2, int y2, int widthPixels) {
    const CSize s = dc.DPtoLP(CSize{widthPixels, widthPixels});
    const std::int64_t w = std::max<std::int64_t>({std::int64_t(s.cx), std::int64_t(s.cy), 2});
    const std::int64_t h = w / 2;
    auto pt = [](std::int64_t x, std::int64_t y) { return CPoint{ClampToInt32(x), ClampToInt32(y)}; };
    CPoint c[4];
    if ((x2 > x1 && y2 > y1) || (x2 < x1 && y2 < y1)) {
        c[0] = pt(x1 - h, y1 + h);
        c[1] = pt(x2 - h, y2 + h);
        c[2] = pt(x2 + h, y2 - h);
        c[3] = pt(x1 + h, y1 - h);
    } else {
        c[0] = pt(x1 + h, y1 + h);
        c[1] = pt(x2 + h, y2 + h);
        c[2] = pt(x2 - h, y2 - h);
        c[3] = pt(x1 - h, y1 - h);
    }
    rgn.SetPolygon(c, 4, WINDING);
}

void ReplaceAll(std::string& s, const std::string& find, const std::string& replacement) {
    if (find.empty()) return;
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, find.size(), find) == 0) {
            out += replacement;
            i += find.size();
        } else {
            out += s[i++];
        }
    }
    s.swap(out);
}

int ParseDecimal(const char* s) {
    if (!s) return 0;
    while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
    bool neg = false;
    if (*s == '+' || *s == '-') neg = (*s++ == '-');
    std::int64_t v = 0;
    for (; *s >= '0' && *s <= '9'; ++s) {
        v = v * 10 + (*s - '0');
        if (v > std::int64_t(INT32_MAX) + 1) v = std::int64_t(INT32_MAX) + 1;
    }
    return ClampToInt32(neg ? -v : v);
}
