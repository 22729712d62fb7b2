#include "model/connection.h"

#include "model/textline.h"

CConnection::CConnection(int x, int y, bool bInMacro) {
    m_points[0] = {x, y};
    m_bInMacro = bInMacro;
}

std::unique_ptr<CPrimitive> CConnection::Clone() const {
    auto p = std::make_unique<CConnection>();
    p->CopyFrom(this);
    return p;
}

// The region does not follow the zoom: at low zoom the dot is picked by its point.
void CConnection::UpdateRegion(CSurface&) {
    const std::int64_t x = m_points[0].x, y = m_points[0].y;
    m_rgn.SetRect({ClampToInt32(x - 1), ClampToInt32(y - 1)},
                  {ClampToInt32(x + 1), ClampToInt32(y + 1)});
}

int CConnection::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                      int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0])) return -1;
    const COLORREF c = PenColor(bXor, crColor, crSelected);
    const std::int64_t x = m_points[0].x, y = m_points[0].y;
    if (bXor) {
        CRopScope rop(dc, true);
        CPenBrushScope pen(dc, SolidPen(c), HollowBrush());
        dc.EllipseOutline(ClampToInt32(x - 1), ClampToInt32(y - 1), ClampToInt32(x + 1),
                          ClampToInt32(y + 1));
        return 0;
    }
    CPenBrushScope pen(dc, SolidPen(c), SolidBrush(c));
    auto s = [&](std::int64_t v) { return ClampToInt32(v * nZoomPercent / 100); };
    dc.Ellipse(s(x - 1), s(y - 1), s(x + 1), s(y + 1));
    return 0;
}

bool CConnection::GetTextLine(std::string& out, bool) const {
    out = FormatCommand("SA", m_points, 1) + LayerEnding();
    return true;
}

CRect CConnection::GetBounds() const {
    return PointsBox(m_points, 1, 1);
}
