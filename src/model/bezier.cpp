#include "model/bezier.h"

#include "model/textline.h"

CBezier::CBezier(const CPoint pts[4], bool bInMacro) {
    for (int i = 0; i < 4; ++i)
        m_points[i] = m_savedPoints[i] = pts[i];
    m_bInMacro = bInMacro;
}

std::unique_ptr<CPrimitive> CBezier::Clone() const {
    auto p = std::make_unique<CBezier>();
    p->CopyFrom(this);
    return p;
}

// The curve sampled at t = 0, 0.2 .. 1 and followed by five straight bands.
void CBezier::UpdateRegion(CSurface& dc) {
    const CPoint* p = m_points;
    m_rgn.Clear();
    CPoint prev = p[0];
    // t grows by repeated addition, as the samples have always been taken.
    for (double t = 0.2; t < 1.01; t += 0.2) {
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        const CPoint s{
            ClampToInt32(std::int64_t(a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x)),
            ClampToInt32(std::int64_t(a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y))};
        CRegion band;
        MakeLineRegion(dc, band, prev.x, prev.y, s.x, s.y, PICK_BAND_PIXELS);
        m_rgn.Union(band);
        prev = s;
    }
}

int CBezier::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                  int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0]) || IsUnset(m_points[1])) return -1;
    CRopScope rop(dc, bXor);
    CPenBrushScope pen(dc, SolidPen(PenColor(bXor, crColor, crSelected)), HollowBrush());
    if (IsUnset(m_points[3])) {
        // Still being placed: the control polygon so far, unscaled.
        dc.MoveTo(m_points[0].x, m_points[0].y);
        dc.LineTo(m_points[1].x, m_points[1].y);
        if (!IsUnset(m_points[2])) dc.LineTo(m_points[2].x, m_points[2].y);
        return 0;
    }
    CPoint pts[4];
    for (int i = 0; i < 4; ++i)
        pts[i] = ScalePoint(m_points[i], nZoomPercent);
    dc.PolyBezier(pts);
    return 0;
}

bool CBezier::GetTextLine(std::string& out, bool) const {
    out = FormatCommand("BE", m_points, 4) + LayerEnding();
    return true;
}
