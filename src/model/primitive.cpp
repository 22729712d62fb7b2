#include "model/primitive.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

int CPrimitive::UsedPointCount() const {
    return std::clamp(GetPointCount(), 0, GetPointSlots().nSlots);
}

void CPrimitive::Move(int dx, int dy) {
    CPoint* pts = GetPointSlots().pPoints;
    const int n = UsedPointCount();
    for (int i = 0; i < n; ++i) {
        pts[i].x = ClampToInt32(std::int64_t(pts[i].x) + dx);
        pts[i].y = ClampToInt32(std::int64_t(pts[i].y) + dy);
    }
}

// A clockwise quarter turn on the screen (y grows downward) unless counter-clockwise.
void CPrimitive::Rotate(int cx, int cy, bool bCounterClockwise) {
    if (!(GetCapabilities() & CAP_ROTATE_ANY)) return;
    CPoint* pts = GetPointSlots().pPoints;
    const int n = UsedPointCount();
    for (int i = 0; i < n; ++i) {
        const std::int64_t x = pts[i].x, y = pts[i].y;
        if (bCounterClockwise) {
            pts[i] = {ClampToInt32(cx + (y - cy)), ClampToInt32(cy - (x - cx))};
        } else {
            pts[i] = {ClampToInt32(cx + (cy - y)), ClampToInt32(cy + (x - cx))};
        }
    }
}

void CPrimitive::Mirror(int x0) {
    if (!(GetCapabilities() & CAP_MIRROR_ANY)) return;
    CPoint* pts = GetPointSlots().pPoints;
    const int n = UsedPointCount();
    for (int i = 0; i < n; ++i)
        pts[i].x = ClampToInt32(2 * std::int64_t(x0) - pts[i].x);
}

void CPrimitive::UpdateRegion(CSurface&) {}

CRect CPrimitive::GetBounds() const {
    const int n = UsedPointCount();
    if (n == 0) return CRect{0, 0, -1, -1};
    return PointsBox(GetPointSlots().pPoints, n, 0);
}

// Between classes only the slots both have are copied; the others are unset,
// as slots a class never uses always were. The region and its key stay.
bool CPrimitive::CopyFrom(const CPrimitive* other) {
    const CPointSlots to = GetPointSlots();
    const CConstPointSlots from = other->GetPointSlots();
    for (int i = 0; i < to.nSlots; ++i) {
        to.pPoints[i] = i < from.nSlots ? from.pPoints[i] : POINT_UNSET;
        to.pSaved[i] = i < from.nSlots ? from.pSaved[i] : POINT_UNSET;
    }
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
    const CSize reach = dc.LogicalReach(PICK_POINT_PIXELS);
    const CPoint* pts = GetPointSlots().pPoints;
    const int n = UsedPointCount();
    for (int i = 0; i < n; ++i) {
        if (std::llabs(std::int64_t(lp.x) - pts[i].x) > reach.cx ||
            std::llabs(std::int64_t(lp.y) - pts[i].y) > reach.cy)
            continue;
        const CPoint p = dc.LPtoDP(pts[i]);
        if (std::llabs(std::int64_t(x) - p.x) < PICK_POINT_PIXELS &&
            std::llabs(std::int64_t(y) - p.y) < PICK_POINT_PIXELS)
            return i;
    }
    if (!m_rgn.IsEmpty() && m_rgn.PtInRegion(lp.x, lp.y)) return HIT_INSIDE;
    return HIT_MISS;
}

bool CPrimitive::IsComplete() const {
    const CPoint* pts = GetPointSlots().pPoints;
    const int n = UsedPointCount();
    for (int i = 0; i < n; ++i)
        if (IsUnset(pts[i])) return false;
    return true;
}

void CPrimitive::SaveState() {
    const CPointSlots s = GetPointSlots();
    std::copy(s.pPoints, s.pPoints + s.nSlots, s.pSaved);
    m_nSavedOrientation = m_nOrientation;
    m_bSavedMirrored = m_bMirrored;
}

void CPrimitive::RestoreState() {
    const CPointSlots s = GetPointSlots();
    std::copy(s.pSaved, s.pSaved + s.nSlots, s.pPoints);
    m_nOrientation = m_nSavedOrientation;
    m_bMirrored = m_bSavedMirrored;
}

CPoint CPrimitive::GetPoint(int i) const {
    if (i < 0 || i >= UsedPointCount()) return POINT_UNSET;
    return GetPointSlots().pPoints[i];
}

void CPrimitive::SetPoint(int i, int x, int y, bool) {
    if (i < 0 || i >= UsedPointCount()) return;
    GetPointSlots().pPoints[i] = {x, y};
}

bool CPrimitive::GetPropertyDescription(int, std::string&, std::string&) const {
    return false;
}
bool CPrimitive::GetProperty(const char*, std::string&) const {
    return false;
}
bool CPrimitive::SetProperty(const char*, const char*) {
    return false;
}

int CPrimitive::Draw(CSurface&, bool, COLORREF, COLORREF, COLORREF, int, int, bool) {
    return 0;
}

int CPrimitive::DrawInLayers(CSurface& dc, const CLayerTable&, bool bXor, COLORREF crBack,
                             COLORREF crColor, COLORREF crSelected, int nZoomPercent,
                             int nLayerFilter, bool bMonochrome) {
    return Draw(dc, bXor, crBack, crColor, crSelected, nZoomPercent, nLayerFilter, bMonochrome);
}

bool CPrimitive::GetTextLine(std::string&, bool) const {
    return false;
}

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
    auto pt = [](std::int64_t x, std::int64_t y) {
        return CPoint{ClampToInt32(x), ClampToInt32(y)};
    };
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
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    bool neg = false;
    if (*s == '+' || *s == '-') neg = (*s++ == '-');
    std::int64_t v = 0;
    for (; *s >= '0' && *s <= '9'; ++s) {
        v = v * 10 + (*s - '0');
        if (v > std::int64_t(INT32_MAX) + 1) v = std::int64_t(INT32_MAX) + 1;
    }
    return ClampToInt32(neg ? -v : v);
}

std::vector<CPrimitive*> Pointers(const CPrimitiveList& list) {
    std::vector<CPrimitive*> v;
    v.reserve(list.size());
    for (const auto& p : list)
        v.push_back(p.get());
    return v;
}
