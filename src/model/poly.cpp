#include "model/poly.h"

#include "model/textline.h"

#include <algorithm>

CPoly::CPoly(int x1, int y1, int x2, int y2, int x3, int y3, bool bInMacro) {
    m_nVertices = MAX_VERTICES;
    m_bFilled = GetPrototype().m_bFilled;
    m_points[0] = m_savedPoints[0] = {x1, y1};
    m_points[1] = m_savedPoints[1] = {x2, y2};
    m_points[2] = m_savedPoints[2] = {x3, y3};
    m_bInMacro = bInMacro;
}

CPoly& CPoly::GetPrototype() {
    static CPoly s_prototype;
    return s_prototype;
}

int CPoly::GetPointCount() const {
    return std::clamp(m_nVertices, 0, MAX_VERTICES);
}

std::unique_ptr<CPrimitive> CPoly::Clone() const {
    auto p = std::make_unique<CPoly>();
    p->Assign(*this);
    return p;
}

void CPoly::Assign(const CFilledShape& other) {
    CFilledShape::Assign(other);
    if (auto* poly = dynamic_cast<const CPoly*>(&other)) m_nVertices = poly->m_nVertices;
}

// Clicking the previous vertex again, from the fourth vertex on, closes the polygon.
void CPoly::SetPoint(int i, int x, int y, bool bFinal) {
    if (bFinal && i > 2 && i <= MAX_VERTICES && m_points[i - 1] == CPoint{x, y}) {
        m_nVertices = i;
        return;
    }
    CPrimitive::SetPoint(i, x, y, bFinal);
}

void CPoly::UpdateRegion(CSurface& dc) {
    const int n = GetPointCount();
    std::int64_t minX = SHEET_SIZE, minY = SHEET_SIZE, maxX = -SHEET_SIZE, maxY = -SHEET_SIZE;
    for (int i = 0; i < n; ++i) {
        minX = std::min<std::int64_t>(minX, m_points[i].x);
        maxX = std::max<std::int64_t>(maxX, m_points[i].x);
        minY = std::min<std::int64_t>(minY, m_points[i].y);
        maxY = std::max<std::int64_t>(maxY, m_points[i].y);
    }
    if (IsThinShape(maxX - minX, maxY - minY)) {
        m_rgn.SetRect({ClampToInt32(minX), ClampToInt32(minY)},
                      {ClampToInt32(maxX), ClampToInt32(maxY)});
    } else if (m_bFilled) {
        m_rgn.SetPolygon(m_points, n, ALTERNATE);
    } else {
        m_rgn.Clear();
        for (int i = 0; i < n; ++i) {
            const CPoint& a = m_points[(i + n - 1) % n];
            const CPoint& b = m_points[i];
            CRegion band;
            MakeLineRegion(dc, band, a.x, a.y, b.x, b.y, PICK_BAND_PIXELS);
            m_rgn.Union(band);
        }
    }
}

int CPoly::Draw(CSurface& dc, bool bXor, COLORREF, COLORREF crColor, COLORREF crSelected,
                int nZoomPercent, int, bool) {
    if (IsUnset(m_points[1])) return -1;
    WithPenAndBrush(dc, bXor, crColor, crSelected, [&] {
        if (bXor) {
            DrawRubberBand(dc);
            return;
        }
        CPoint pts[MAX_VERTICES];
        const int n = GetPointCount();
        for (int i = 0; i < n; ++i)
            pts[i] = ScalePoint(m_points[i], nZoomPercent);
        dc.Polygon(pts, n);
    });
    return 0;
}

// The polygon under construction, unscaled: the clicked vertices joined in
// order and closed back to the first one.
void CPoly::DrawRubberBand(CSurface& dc) {
    const int n = GetPointCount();
    dc.MoveTo(m_points[0].x, m_points[0].y);
    int k = 1;
    for (; k < n && !IsUnset(m_points[k]); ++k)
        dc.LineTo(m_points[k].x, m_points[k].y);
    if (k > 2) dc.LineTo(m_points[0].x, m_points[0].y);
    if (m_nVertices == MAX_VERTICES && k >= 4 && k < MAX_VERTICES &&
        m_points[k - 2] != m_points[k - 1]) {
        dc.MoveTo(m_points[k - 2].x, m_points[k - 2].y);
        dc.LineTo(m_points[0].x, m_points[0].y);
    }
}

// Only the vertices in use: padding a short polygon with unset pairs would make
// the reader drop it when the file is opened again.
bool CPoly::GetTextLine(std::string& out, bool) const {
    out = FormatCommand(m_bFilled ? "PP" : "PV", m_points, GetPointCount()) + LayerEnding();
    return true;
}
