#include "model/line.h"

#include "model/textline.h"

CLine::CLine(int x1, int y1, int x2, int y2, bool bInMacro) {
    m_points[0] = {x1, y1};
    m_points[1] = {x2, y2};
    m_bInMacro = bInMacro;
}

std::unique_ptr<CPrimitive> CLine::Clone() const {
    auto p = std::make_unique<CLine>();
    p->CopyFrom(this);
    return p;
}

void CLine::UpdateRegion(CSurface& dc) {
    MakeLineRegion(dc, m_rgn, m_points[0].x, m_points[0].y, m_points[1].x, m_points[1].y,
                   PICK_BAND_PIXELS);
}

int CLine::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0]) || IsUnset(m_points[1])) return -1;
    CRopScope rop(dc, bXor);
    CPenBrushScope pen(dc, SolidPen(PenColor(bXor, crColor, crSelected)), HollowBrush());
    const CPoint a = ScalePoint(m_points[0], nZoomPercent);
    const CPoint b = ScalePoint(m_points[1], nZoomPercent);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    // Lines leave out their end pixel; set it directly.
    dc.SetPixel(b.x, b.y, crColor);
    return 0;
}

bool CLine::GetTextLine(std::string& out, bool) const {
    out = FormatCommand("LI", m_points, 2) + LayerEnding();
    return true;
}
