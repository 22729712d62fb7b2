#include "model/text.h"

#include "model/property_table.h"
#include "model/prototypes.h"
#include "model/textline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
constexpr CPropertyRow<CExtendedText> kRows[] = {
    TextProperty("Text", &CExtendedText::m_strText),
    FaceProperty("FontFace", &CExtendedText::m_strFont),
    IntProperty("FontHeight", &CExtendedText::m_nHeight, 2, 100),
    IntProperty("FontWidth", &CExtendedText::m_nWidth, 2, 100),
    IntProperty("RotationAngle", &CExtendedText::m_nAngle, 0, 359),
    BitProperty("bBold", &CExtendedText::m_nStyle, STYLE_BOLD),
    BitProperty("bItalic", &CExtendedText::m_nStyle, STYLE_ITALIC),
    BitProperty("bMirrored", &CExtendedText::m_nStyle, STYLE_MIRRORED),
    BitProperty("bUnderlined", &CExtendedText::m_nStyle, STYLE_UNDERLINED),
};
constexpr CPropertyTable<CExtendedText> kProperties(kRows);

// Degrees to radians with pi taken as 3.1416, as texts have always been laid out.
constexpr double kDegToRad = 0.017453333333333335;

std::int32_t Trunc(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return std::int32_t(v);
}

} // namespace

CExtendedText::CExtendedText(int x, int y, const std::string& text) {
    Assign(GetPrototype());
    m_points[0] = {x, y};
    m_strText = text;
    RebuildFont(100);
}

CExtendedText& CExtendedText::GetPrototype() {
    static CExtendedText s_prototype;
    static const bool s_bStarted = (StartPrototype(s_prototype), true);
    (void)s_bStarted;
    return s_prototype;
}

void CExtendedText::Assign(const CExtendedText& other) {
    if (&other != this) {
        CopyFrom(&other);
        m_strText = other.m_strText;
        m_strFont = other.m_strFont;
        m_nHeight = other.m_nHeight;
        m_nWidth = other.m_nWidth;
        m_nStyle = other.m_nStyle;
        m_nAngle = other.m_nAngle;
    }
    RebuildFont(100);
}

std::unique_ptr<CPrimitive> CExtendedText::Clone() const {
    auto p = std::make_unique<CExtendedText>();
    p->Assign(*this);
    return p;
}

void CExtendedText::RebuildFont(int nZoom) {
    m_font.face = m_strFont;
    m_font.nHeight = ScaleZoom(m_nHeight, nZoom);
    m_font.nWidth = ScaleZoom(m_nWidth, nZoom);
    m_font.nEscapement = ClampToInt32(std::int64_t(m_nAngle) * 10);
    m_font.nWeight = (m_nStyle & STYLE_BOLD) ? 700 : 400;
    m_font.bItalic = (m_nStyle & STYLE_ITALIC) != 0;
    m_font.bUnderline = (m_nStyle & STYLE_UNDERLINED) != 0;
}

void CExtendedText::GetTextBox(CPoint c[4], CSize size, int nZoom, bool bNoMirror) const {
    const std::int64_t X = ScaleZoom(m_points[0].x, nZoom), Y = ScaleZoom(m_points[0].y, nZoom);
    const double a = double(m_nAngle) * kDegToRad, sa = std::sin(a), ca = std::cos(a);
    const std::int64_t w = size.cx, h = size.cy;
    c[0] = {ClampToInt32(X), ClampToInt32(Y)};
    c[1] = {ClampToInt32(X + Trunc(h * sa)), ClampToInt32(Y + Trunc(h * ca))};
    c[2] = {ClampToInt32(c[1].x + std::int64_t(Trunc(w * ca))),
            ClampToInt32(c[1].y - std::int64_t(Trunc(w * sa)))};
    c[3] = {ClampToInt32(X + Trunc(w * ca)), ClampToInt32(Y - Trunc(w * sa))};
    if (!bNoMirror && (m_nStyle & STYLE_MIRRORED))
        for (int i = 1; i < 4; ++i)
            c[i].x = ClampToInt32(2 * X - c[i].x);
}

void CExtendedText::Rotate(int cx, int cy, bool bCounterClockwise) {
    CPrimitive::Rotate(cx, cy, bCounterClockwise);
    const bool bMirrored = (m_nStyle & STYLE_MIRRORED) != 0;
    std::int64_t a = m_nAngle;
    a += (bCounterClockwise != bMirrored) ? 90 : -90;
    // Into 0..360; 360 itself stays.
    if (a < 0) a = (a % 360 + 360) % 360;
    if (a > 360) a = (a - 1) % 360 + 1;
    m_nAngle = int(a);
    RebuildFont(100);
}

void CExtendedText::Mirror(int x0) {
    CPrimitive::Mirror(x0);
    m_nStyle ^= STYLE_MIRRORED;
}

CSize CExtendedText::MeasureText(CSurface& dc) const {
    const CFontSpec old = dc.SelectFont(m_font);
    const CSize size = dc.GetTextExtent(m_strText);
    dc.SelectFont(old);
    return size;
}

void CExtendedText::UpdateRegion(CSurface& dc) {
    CPoint c[4];
    GetTextBox(c, MeasureText(dc), 100, false);
    m_rgn.SetPolygon(c, 4, ALTERNATE);
}

int CExtendedText::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                        int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0])) return -1;
    if (nZoomPercent != 100) RebuildFont(nZoomPercent);
    if (bXor) {
        CPoint c[4];
        const CFontSpec old = dc.SelectFont(m_font);
        GetTextBox(c, dc.GetTextExtent(m_strText), nZoomPercent, false);
        dc.SelectFont(old);
        CRopScope rop(dc, true);
        const CPen oldPen = dc.SelectPen(SolidPen(crColor));
        dc.Polygon(c, 4);
        dc.SelectPen(oldPen);
    } else {
        DrawText(dc, PenColor(false, crColor, crSelected), nZoomPercent);
    }
    if (nZoomPercent != 100) RebuildFont(100);
    return 0;
}

void CExtendedText::DrawText(CSurface& dc, COLORREF color, int nZoomPercent) {
    const CFontSpec oldFont = dc.SelectFont(m_font);
    const int oldBk = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc.SetTextColor(color);
    const CPoint at = ScalePoint(m_points[0], nZoomPercent);
    if (m_nStyle & STYLE_MIRRORED)
        dc.TextOutMirrored(at.x, at.y, m_strText);
    else
        dc.TextOut(at.x, at.y, m_strText);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldBk);
    dc.SelectFont(oldFont);
}

// The face is one word: blanks become "++", and the default face is written "*".
// An empty face is written "*" too, or the text's first word would be read as it.
bool CExtendedText::GetTextLine(std::string& out, bool) const {
    std::string face = OneLineText(m_strFont);
    ReplaceAll(face, " ", "++");
    if (face == "Courier++New" || face.empty()) face = "*";
    out = "TY " + std::to_string(m_points[0].x) + ' ' + std::to_string(m_points[0].y) + ' ' +
          std::to_string(m_nHeight) + ' ' + std::to_string(m_nWidth) + ' ' +
          std::to_string(m_nAngle) + ' ' + std::to_string(m_nStyle) + ' ' +
          std::to_string(m_nLayer) + ' ' + face + ' ' + OneLineText(m_strText) + "\r\n";
    return true;
}

bool CExtendedText::GetPropertyDescription(int nIndex, std::string& name,
                                           std::string& choices) const {
    return kProperties.Describe(nIndex, name, choices);
}

bool CExtendedText::GetProperty(const char* name, std::string& value) const {
    return kProperties.Get(*this, name, value);
}

bool CExtendedText::SetProperty(const char* name, const char* value) {
    if (!kProperties.Set(*this, name, value)) return false;
    GetPrototype().Assign(*this);
    GetPrototype().m_bSelected = false; // new texts start unselected
    RebuildFont(100);
    return true;
}

// Glyphs are at most twice the asked width or one cell height across, and a
// cell at most twice the asked height; the box is turned as the text is.
CRect CExtendedText::GetBounds() const {
    const std::int64_t h = std::llabs(std::int64_t(m_nHeight)),
                       w = std::llabs(std::int64_t(m_nWidth));
    const std::int64_t advance = std::max(2 * w, h) + 1;
    const auto len = std::int64_t(m_strText.size());
    CPoint c[4];
    GetTextBox(c, {ClampToInt32(advance * (len + 1)), ClampToInt32(2 * h + 1)}, 100, false);
    return PointsBox(c, 4, 1);
}

// A cell never gets smaller than a pixel on the screen, and a text of height 0
// takes the surface's default size, whatever the zoom.
int CExtendedText::GetBoundsSlack() const {
    const auto len = int(std::min<std::size_t>(m_strText.size(), 100000));
    return (m_nHeight == 0 ? 40 : 3) * (len + 2);
}
