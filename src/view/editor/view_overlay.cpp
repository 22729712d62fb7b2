// What the window paints over its picture of the drawing during a drag: the
// dragged primitives in the selection colour with their point marks, and the
// rubber band as a dotted frame.
#include "view/editor/view_controller.h"

#include "doc/scene/spatial_index.h"
#include "view/viewport/view_paint.h"

#include <cmath>

namespace {
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BAND_COLOR = 0;
// Beyond a primitive's own slack: the marks and a pixel of rounding.
constexpr int OVERLAY_MARGIN_PIXELS = MARK_HALF + 3;

// A primitive still being created: only the points it has.
CRect PlacedBounds(const CPrimitive& p) {
    if (p.IsComplete()) return p.GetBounds();
    CRect box{0, 0, -1, -1};
    for (int i = 0; i < p.GetPointCount(); ++i) {
        const CPoint pt = p.GetPoint(i);
        if (!IsUnset(pt)) GrowRect(box, CRect{pt.x, pt.y, pt.x, pt.y});
    }
    return box;
}

// Device pixels drawn in the plain pixel mapping, the view's put back after.
class CPixelMapping {
  public:
    explicit CPixelMapping(CSurface& dc) : m_dc(dc), m_saved(dc) {
        dc.SetMapMode(MM_TEXT);
        dc.SetWindowOrg(0, 0);
        dc.SetViewportOrg(0, 0);
    }
    ~CPixelMapping() { static_cast<CMapping&>(m_dc) = m_saved; }

  private:
    CSurface& m_dc;
    CMapping m_saved;
};

void FillSquares(CSurface& dc, const std::vector<CPoint>& at, int nSize, COLORREF c) {
    const CPen oldPen = dc.SelectPen(CPen{c, 0, false, true});
    const CBrush oldBrush = dc.SelectBrush(SolidBrush(c));
    for (const CPoint& p : at)
        dc.Rectangle(p.x, p.y, p.x + nSize, p.y + nSize);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

// Every other dot of the frame's edges, dots nDot pixels across.
std::vector<CPoint> FrameDots(CPoint a, CPoint b, int nDot) {
    const int l = std::min(a.x, b.x), r = std::max(a.x, b.x);
    const int t = std::min(a.y, b.y), btm = std::max(a.y, b.y);
    std::vector<CPoint> dots;
    for (int x = l; x <= r; x += 2 * nDot) {
        dots.push_back({x, t});
        dots.push_back({x, btm});
    }
    for (int y = t + 2 * nDot; y < btm; y += 2 * nDot) {
        dots.push_back({l, y});
        dots.push_back({r, y});
    }
    return dots;
}
} // namespace

// An incomplete primitive draws itself as a rubber band (a polygon being
// drawn shows only the vertices it has), in the selection colour.
void CViewController::DrawOverlay(CSurface& dc, double dDevicePixelRatio) {
    m_coords.PrepareMapping(dc, dDevicePixelRatio);
    const double ratio = dDevicePixelRatio > 0 ? dDevicePixelRatio : 1.0;
    std::vector<CPoint> marks;
    const int nHalf = int(std::lround(MARK_HALF * ratio));
    for (const auto& p : m_wires.List()) // unselected, without marks, under the selection
        p->DrawInLayers(dc, m_ctx.layers, false, WHITE, m_ctx.layers.GetColor(p->GetLayer()),
                        SELECTION_COLOR, 100, -1, false);
    for (const auto& p : m_held.List()) {
        const bool bBand = !p->IsComplete();
        p->DrawInLayers(dc, m_ctx.layers, bBand, WHITE,
                        bBand ? SELECTION_COLOR : m_ctx.layers.GetColor(p->GetLayer()),
                        SELECTION_COLOR, 100, -1, false);
        for (int i = 0; i < p->GetPointCount(); ++i) {
            const CPoint pt = p->GetPoint(i);
            if (IsUnset(pt)) continue;
            const CPoint d = dc.LPtoDP(pt);
            marks.push_back({d.x - nHalf, d.y - nHalf});
        }
    }
    if (Ghost())
        m_ghost.Shown()->DrawInLayers(dc, m_ctx.layers, false, WHITE, SELECTION_COLOR,
                                      SELECTION_COLOR, 100, -1, false);
    const bool bBand = m_nMode == MODE_BAND;
    const CPoint a = dc.LPtoDP(CPoint{m_rcBand.left, m_rcBand.top});
    const CPoint b = dc.LPtoDP(CPoint{m_rcBand.right, m_rcBand.bottom});
    if (marks.empty() && !bBand) return;
    CPixelMapping pixels(dc);
    FillSquares(dc, marks, 2 * nHalf, MARK_COLOR);
    if (bBand) {
        const int nDot = std::max(1, int(std::lround(ratio)));
        FillSquares(dc, FrameDots(a, b, nDot), nDot, BAND_COLOR);
    }
}

CRect CViewController::OverlayBounds() const {
    CRect box{0, 0, -1, -1};
    int nSlack = 0;
    for (const CPrimitiveList* list : {&m_held.List(), &m_wires.List()})
        for (const auto& p : *list) {
            GrowRect(box, PlacedBounds(*p));
            nSlack = std::max(nSlack, p->GetBoundsSlack());
        }
    if (const CMacro* ghost = Ghost()) {
        GrowRect(box, ghost->GetBounds());
        nSlack = std::max(nSlack, ghost->GetBoundsSlack());
    }
    if (m_nMode == MODE_BAND)
        GrowRect(box, CRect{std::min(m_rcBand.left, m_rcBand.right),
                            std::min(m_rcBand.top, m_rcBand.bottom),
                            std::max(m_rcBand.left, m_rcBand.right),
                            std::max(m_rcBand.top, m_rcBand.bottom)});
    if (!HasBounds(box)) return box;
    CMapping map;
    m_coords.PrepareMapping(map);
    const double grow = std::ceil((nSlack + OVERLAY_MARGIN_PIXELS) * UnitsPerPixel(map)) + 1;
    const std::int64_t g = grow > 1e9 ? std::int64_t(1e9) : std::int64_t(grow);
    return {ClampToInt32(box.left - g), ClampToInt32(box.top - g), ClampToInt32(box.right + g),
            ClampToInt32(box.bottom + g)};
}
