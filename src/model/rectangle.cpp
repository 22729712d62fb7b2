#include "model/rectangle.h"

#include "model/textline.h"

CRectangle::CRectangle(int x1, int y1, int x2, int y2, bool bInMacro) {
    Assign(GetPrototype());
    m_points[0] = m_savedPoints[0] = {x1, y1};
    m_points[1] = m_savedPoints[1] = {x2, y2};
    m_bInMacro = bInMacro;
}

CRectangle& CRectangle::GetPrototype() {
    static CRectangle s_prototype;
    return s_prototype;
}

std::unique_ptr<CPrimitive> CRectangle::Clone() const {
    auto p = std::make_unique<CRectangle>();
    p->Assign(*this);
    return p;
}

void CRectangle::UpdateRegion(CSurface& dc) {
    const CPoint a = m_points[0], b = m_points[1];
    if (m_bFilled) {
        m_rgn.SetRect(a, b);
        return;
    }
    const CPoint edges[5] = {{a.x, b.y}, {a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}};
    m_rgn.Clear();
    for (int i = 0; i < 4; ++i) {
        CRegion band;
        MakeLineRegion(dc, band, edges[i].x, edges[i].y, edges[i + 1].x, edges[i + 1].y,
                       PICK_BAND_PIXELS);
        m_rgn.Union(band);
    }
}

int CRectangle::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                     int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0]) || IsUnset(m_points[1])) return -1;
    const CPoint a = ScalePoint(m_points[0], nZoomPercent);
    const CPoint b = ScalePoint(m_points[1], nZoomPercent);
    const CPoint corners[4] = {{a.x, a.y}, {a.x, b.y}, {b.x, b.y}, {b.x, a.y}};
    WithPenAndBrush(dc, bXor, crColor, crSelected, [&] { dc.Polygon(corners, 4); });
    return 0;
}

bool CRectangle::GetTextLine(std::string& out, bool) const {
    out = FormatCommand(m_bFilled ? "RP" : "RV", m_points, 2) + LayerEnding();
    return true;
}
