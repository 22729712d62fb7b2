#include "model/pcbpad.h"

#include "model/textline.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
const char* const kSizeNames[3] = {"SizeX", "SizeY", "IntDiam"};
const char* const kStyleWords[3] = {"Round", "Square", "SquareRounded"};
} // namespace

CPCBPad::CPCBPad(int x, int y, bool bInMacro) {
    CopyFrom(&GetPrototype());
    CopyPadFields(GetPrototype());
    m_points[0] = m_savedPoints[0] = {x, y};
    m_bInMacro = bInMacro;
}

CPCBPad& CPCBPad::GetPrototype() {
    static CPCBPad s_prototype;
    static const bool s_bStarted = (s_prototype.m_nSizeX = s_prototype.m_nSizeY = 18,
                                    s_prototype.m_nHole = 4, true);
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
    if (nIndex < 0 || nIndex > 3) return false;
    if (nIndex < 3) {
        name = kSizeNames[nIndex];
        choices = "#INT 2 100";
    } else {
        name = "Style";
        choices = "(Round Square SquareRounded)";
    }
    return true;
}

bool CPCBPad::GetProperty(const char* name, std::string& value) const {
    const int* fields[3] = {&m_nSizeX, &m_nSizeY, &m_nHole};
    for (int i = 0; i < 3; ++i)
        if (std::strcmp(name, kSizeNames[i]) == 0) {
            value = std::to_string(*fields[i]);
            return true;
        }
    if (std::strcmp(name, "Style") != 0) return false;
    value = kStyleWords[m_nPadStyle == 0 ? 0 : m_nPadStyle == 1 ? 1 : 2];
    return true;
}

bool CPCBPad::SetProperty(const char* name, const char* value) {
    if (!SetPropertyValue(name, value)) return false;
    GetPrototype().CopyFrom(this);
    GetPrototype().CopyPadFields(*this);
    return true;
}

bool CPCBPad::SetPropertyValue(const char* name, const char* value) {
    int* fields[3] = {&m_nSizeX, &m_nSizeY, &m_nHole};
    const int v = ParseDecimal(value);
    for (int i = 0; i < 3; ++i) {
        if (std::strcmp(name, kSizeNames[i]) != 0) continue;
        if (v < 2 || v > 100) return false;
        // A hole as wide as the pad would make the pad incomplete, and it would
        // silently vanish from the saved file.
        const int old = *fields[i];
        *fields[i] = v;
        if (m_nHole < m_nSizeX && m_nHole < m_nSizeY) return true;
        *fields[i] = old;
        return false;
    }
    if (std::strcmp(name, "Style") != 0) return false;
    for (int i = 0; i < 3; ++i)
        if (std::strcmp(value, kStyleWords[i]) == 0) {
            m_nPadStyle = i;
            return true;
        }
    return false;
}

CRect CPCBPad::GetBounds() const {
    const std::int64_t hx = std::llabs(std::int64_t(m_nSizeX)) / 2 + 1;
    const std::int64_t hy = std::llabs(std::int64_t(m_nSizeY)) / 2 + 1;
    const std::int64_t x = m_points[0].x, y = m_points[0].y;
    return {ClampToInt32(x - hx), ClampToInt32(y - hy), ClampToInt32(x + hx), ClampToInt32(y + hy)};
}
