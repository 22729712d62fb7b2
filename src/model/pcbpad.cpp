#include "model/pcbpad.h"

#include "model/property_table.h"
#include "model/prototypes.h"
#include "model/textline.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
// A hole as wide as the pad would make the pad incomplete, and it would
// silently vanish from the saved file.
bool HoleFitsPad(const CPCBPad& p) {
    return p.m_nHole < p.m_nSizeX && p.m_nHole < p.m_nSizeY;
}

constexpr CPropertyRow<CPCBPad> kRows[] = {
    IntProperty("SizeX", &CPCBPad::m_nSizeX, 2, 100, HoleFitsPad),
    IntProperty("SizeY", &CPCBPad::m_nSizeY, 2, 100, HoleFitsPad),
    IntProperty("IntDiam", &CPCBPad::m_nHole, 2, 100, HoleFitsPad),
    WordProperty("Style", &CPCBPad::m_nPadStyle, "Round Square SquareRounded"),
};
constexpr CPropertyTable<CPCBPad> kProperties(kRows);
} // namespace

CPCBPad::CPCBPad(int x, int y, bool bInMacro) {
    CopyFrom(&GetPrototype());
    CopyPadFields(GetPrototype());
    m_points[0] = m_savedPoints[0] = {x, y};
    m_bInMacro = bInMacro;
}

CPCBPad& CPCBPad::GetPrototype() {
    static CPCBPad s_prototype;
    static const bool s_bStarted = (StartPrototype(s_prototype), true);
    (void)s_bStarted;
    return s_prototype;
}

void CPCBPad::CopyPadFields(const CPCBPad& other) {
    m_nSizeX = other.m_nSizeX;
    m_nSizeY = other.m_nSizeY;
    m_nHole = other.m_nHole;
    m_nPadStyle = other.m_nPadStyle;
}

std::unique_ptr<CPrimitive> CPCBPad::Clone() const {
    auto p = std::make_unique<CPCBPad>();
    p->CopyFrom(this);
    p->CopyPadFields(*this);
    return p;
}

bool CPCBPad::IsComplete() const {
    return CPrimitive::IsComplete() && m_nSizeX >= 1 && m_nSizeY >= 1 && m_nHole >= 1 &&
           m_nHole < m_nSizeX && m_nHole < m_nSizeY;
}

void CPCBPad::Rotate(int cx, int cy, bool bCounterClockwise) {
    CPrimitive::Rotate(cx, cy, bCounterClockwise);
    std::swap(m_nSizeX, m_nSizeY);
}

void CPCBPad::UpdateRegion(CSurface&) {
    const std::int64_t x = m_points[0].x, y = m_points[0].y;
    const std::int64_t hx = m_nSizeX / 2 + 1, hy = m_nSizeY / 2 + 1;
    const CPoint a{ClampToInt32(x - hx), ClampToInt32(y - hy)};
    const CPoint b{ClampToInt32(x + hx), ClampToInt32(y + hy)};
    if (m_nPadStyle == PAD_ROUND)
        m_rgn.SetEllipse(a, b);
    else
        m_rgn.SetRect(a, b);
}

int CPCBPad::Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
                  int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0])) return -1;
    CRopScope rop(dc, bXor);
    const COLORREF body = m_bSelected ? crSelected : crColor;
    CPenBrushScope scope(dc, SolidPen(PenColor(bXor, crColor, crSelected)), SolidBrush(body));
    const std::int64_t x = m_points[0].x, y = m_points[0].y;
    auto s = [&](std::int64_t v) { return ClampToInt32(v * nZoomPercent / 100); };
    const std::int64_t hx = m_nSizeX / 2, hy = m_nSizeY / 2, hd = m_nHole / 2;
    if (m_nPadStyle == PAD_ROUND)
        dc.Ellipse(s(x - hx), s(y - hy), s(x + hx), s(y + hy));
    else if (m_nPadStyle == PAD_SQUARE)
        dc.Rectangle(s(x - hx), s(y - hy), s(x + hx), s(y + hy));
    else
        dc.RoundRect(s(x - hx), s(y - hy), s(x + hx), s(y + hy),
                     ClampToInt32(std::int64_t(m_nSizeX) * nZoomPercent / 200),
                     ClampToInt32(std::int64_t(m_nSizeY) * nZoomPercent / 200));
    dc.SelectBrush(SolidBrush(crBack));
    dc.Ellipse(s(x - hd), s(y - hd), s(x + hd), s(y + hd));
    return 0;
}

bool CPCBPad::GetTextLine(std::string& out, bool) const {
    out = FormatCommand("PA", m_points, 1) +
          FormatInts({m_nSizeX, m_nSizeY, m_nHole, m_nPadStyle}) + LayerEnding();
    return true;
}

bool CPCBPad::GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const {
    return kProperties.Describe(nIndex, name, choices);
}

bool CPCBPad::GetProperty(const char* name, std::string& value) const {
    return kProperties.Get(*this, name, value);
}

bool CPCBPad::SetProperty(const char* name, const char* value) {
    if (!kProperties.Set(*this, name, value)) return false;
    GetPrototype().CopyFrom(this);
    GetPrototype().CopyPadFields(*this);
    GetPrototype().m_bSelected = false; // new pads start unselected
    return true;
}

CRect CPCBPad::GetBounds() const {
    const std::int64_t hx = std::llabs(std::int64_t(m_nSizeX)) / 2 + 1;
    const std::int64_t hy = std::llabs(std::int64_t(m_nSizeY)) / 2 + 1;
    const std::int64_t x = m_points[0].x, y = m_points[0].y;
    return {ClampToInt32(x - hx), ClampToInt32(y - hy), ClampToInt32(x + hx), ClampToInt32(y + hy)};
}
