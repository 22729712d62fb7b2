// The rubber band and what it selects when released.
#include "view/editor/state_band.h"

#include "doc/document/document.h"
#include "doc/scene/regions.h"
#include "doc/scene/spatial_index.h"
#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"

namespace {
// Both boxes normalised and edges included: inside, or touching.
bool BoxTest(const CRect& box, const CRect& rect, bool bTouch) {
    if (bTouch) return Touches(box, rect);
    return box.left >= rect.left && box.right <= rect.right && box.top >= rect.top &&
           box.bottom <= rect.bottom;
}

CRect Normalised(const CRect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}
} // namespace

void CBandState::Start(CPoint pt) {
    m_view.Begin(*this);
    m_rcBand = CRect{pt.x, pt.y, pt.x, pt.y};
    m_view.RefreshOverlay();
}

void CBandState::MoveTo(CPoint pt) {
    m_rcBand.right = pt.x;
    m_rcBand.bottom = pt.y;
    m_view.m_ptLast = pt;
    m_view.RefreshOverlay();
}

void CBandState::LeftRelease(const CMouseInput&, CPoint pt) {
    if (pt != m_view.m_ptLast) MoveTo(pt);
    End(true);
}

// Dragged right and down, the band takes what lies wholly inside it; left or
// up, whatever it touches.
void CBandState::End(bool bSelect) {
    const CRect band = m_rcBand;
    m_view.End();
    if (!bSelect || band.right == band.left || band.bottom == band.top) return;
    const bool bTouch = band.right < band.left || band.bottom < band.top;
    const CRect rect = Normalised(band);
    CSurface& dc = m_view.Dc();
    const std::uint32_t key = RegionKeyOf(dc);
    std::vector<CPrimitive*> near;
    m_view.m_index.Query(rect, UnitsPerPixel(dc), 0, near);
    const CLayerTable& layers = m_view.m_ctx.layers;
    bool bNoRegion = false;
    for (CPrimitive* p : near) {
        if (!layers.IsShown(p->GetLayer(), false)) continue;
        EnsureRegion(*p, dc, key);
        const CRegion& rgn = *p->GetRegion();
        if (rgn.IsEmpty()) {
            bNoRegion = true;
            continue;
        }
        const CRect r = rgn.GetRgnBox(); // right and bottom exclusive
        if (BoxTest({r.left, r.top, r.right - 1, r.bottom - 1}, rect, bTouch) && !p->IsSelected())
            m_view.m_doc.Select(p, true);
    }
    if (bNoRegion) m_view.m_host.Beep();
}
