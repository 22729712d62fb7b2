#include "model/ellipse.h"

#include "model/textline.h"

#include <cmath>
#include <cstdlib>

CEllipse::CEllipse(int x1, int y1, int x2, int y2, bool bInMacro) {
    Assign(GetPrototype());
    m_points[0] = m_savedPoints[0] = {x1, y1};
    m_points[1] = m_savedPoints[1] = {x2, y2};
    m_bInMacro = bInMacro;
}

CEllipse& CEllipse::GetPrototype() {
    static CEllipse s_prototype;
    return s_prototype;
}

std::unique_ptr<CPrimitive> CEllipse::Clone() const {
    auto p = std::make_unique<CEllipse>();
    p->Assign(*this);
    return p;
}

void CEllipse::UpdateRegion(CSurface& dc) {
    const CPoint a = m_points[0], b = m_points[1];
    if (IsThinShape(std::llabs(std::int64_t(a.x) - b.x), std::llabs(std::int64_t(a.y) - b.y)))
        m_rgn.SetRect(a, b);
    else if (m_bFilled)
        m_rgn.SetEllipse(a, b);
    else
        MakeOutlineRegion(dc);
}

// A chain of bands down the left and the right side of the outline.
void CEllipse::MakeOutlineRegion(CSurface& dc) {
    const std::int64_t x1 = m_points[0].x, y1 = m_points[0].y;
    const std::int64_t x2 = m_points[1].x, y2 = m_points[1].y;
    const std::int64_t cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const std::int64_t a = std::llabs(x1 - x2) / 2, b = std::llabs(y1 - y2) / 2;
    const std::int64_t s = std::max<std::int64_t>(2 * b / 7, 1);
    m_rgn.Clear();
    CPoint prevL, prevR;
    for (std::int64_t y = -b;; y = std::min(y + s, b)) {
        const double q = double(b * b - y * y) * double(a) * double(a) / (double(b) * double(b));
        const std::int64_t dx = std::int64_t(std::sqrt(std::max(q, 0.0)));
        const CPoint l{ClampToInt32(cx - dx), ClampToInt32(cy + y)};
        const CPoint r{ClampToInt32(cx + dx), ClampToInt32(cy + y)};
        if (y != -b) {
            CRegion band;
            MakeLineRegion(dc, band, prevL.x, prevL.y, l.x, l.y, PICK_BAND_PIXELS);
            m_rgn.Union(band);
            MakeLineRegion(dc, band, prevR.x, prevR.y, r.x, r.y, PICK_BAND_PIXELS);
            m_rgn.Union(band);
        }
        prevL = l;
        prevR = r;
        if (y == b) break;
    }
}

int CEllipse::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                   int nZoomPercent, int, bool) {
    if (IsUnset(m_points[0]) || IsUnset(m_points[1])) return -1;
    const CPoint a = ScalePoint(m_points[0], nZoomPercent);
    const CPoint b = ScalePoint(m_points[1], nZoomPercent);
    WithPenAndBrush(dc, bXor, crColor, crSelected, [&] { dc.Ellipse(a.x, a.y, b.x, b.y); });
    return 0;
}

bool CEllipse::GetTextLine(std::string& out, bool) const {
    out = FormatCommand(m_bFilled ? "EP" : "EV", m_points, 2) + LayerEnding();
    return true;
}
