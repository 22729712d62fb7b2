#include "model/pcbline.h"

#include "model/property_table.h"
#include "model/prototypes.h"
#include "model/textline.h"

#include <algorithm>
#include <cstdlib>

CPCBLine::CPCBLine(int x1, int y1, int x2, int y2, bool bInMacro) {
    CopyFrom(&GetPrototype());
    m_nThickness = GetPrototype().m_nThickness;
    m_points[0] = m_savedPoints[0] = {x1, y1};
    m_points[1] = m_savedPoints[1] = {x2, y2};
    m_bInMacro = bInMacro;
}

CPCBLine& CPCBLine::GetPrototype() {
    static CPCBLine s_prototype;
    static const bool s_bStarted = (StartPrototype(s_prototype), true);
    (void)s_bStarted;
    return s_prototype;
}

std::unique_ptr<CPrimitive> CPCBLine::Clone() const {
    auto p = std::make_unique<CPCBLine>();
    p->CopyFrom(this);
    p->m_nThickness = m_nThickness;
    return p;
}

bool CPCBLine::IsComplete() const {
    return CPrimitive::IsComplete() && m_nThickness >= 1;
}

// At least 10 pixels wide, so that a thin track can still be picked.
void CPCBLine::UpdateRegion(CSurface& dc) {
    const CSize d = dc.LPtoDP(CSize{m_nThickness, m_nThickness});
    const long long w = std::max<long long>({std::llabs(d.cx), std::llabs(d.cy), PICK_BAND_PIXELS});
    MakeLineRegion(dc, m_rgn, m_points[0].x, m_points[0].y, m_points[1].x, m_points[1].y,
                   ClampToInt32(w));
}

int CPCBLine::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                   int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0]) || IsUnset(m_points[1])) return -1;
    CRopScope rop(dc, bXor);
    const CPen pen{PenColor(bXor, crColor, crSelected), ScaleZoom(m_nThickness, nZoomPercent), true,
                   false};
    CPenBrushScope scope(dc, pen, HollowBrush());
    const CPoint a = ScalePoint(m_points[0], nZoomPercent);
    const CPoint b = ScalePoint(m_points[1], nZoomPercent);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetPixel(b.x, b.y, crColor);
    return 0;
}

bool CPCBLine::GetTextLine(std::string& out, bool) const {
    out = FormatCommand("PL", m_points, 2) + FormatInts({m_nThickness}) + LayerEnding();
    return true;
}

namespace {
constexpr CPropertyRow<CPCBLine> kRows[] = {
    IntProperty("Thickness", &CPCBLine::m_nThickness, 1, 100),
};
constexpr CPropertyTable<CPCBLine> kProperties(kRows);
} // namespace

bool CPCBLine::GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const {
    return kProperties.Describe(nIndex, name, choices);
}

bool CPCBLine::GetProperty(const char* name, std::string& value) const {
    return kProperties.Get(*this, name, value);
}

bool CPCBLine::SetProperty(const char* name, const char* value) {
    if (!kProperties.Set(*this, name, value)) return false;
    GetPrototype().CopyFrom(this);
    GetPrototype().m_nThickness = m_nThickness;
    GetPrototype().m_bSelected = false; // new tracks start unselected
    return true;
}

// The pen is as wide as the track, with round ends.
CRect CPCBLine::GetBounds() const {
    return PointsBox(
        m_points, 2,
        int(std::min<std::int64_t>(std::llabs(std::int64_t(m_nThickness)) / 2 + 1, INT32_MAX)));
}
