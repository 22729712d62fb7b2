// The select tool: picking under the pointer (Alt cycles through what lies
// there), Ctrl to add and remove, the rubber band, and the right button's pick
// before the context menu.
#include "view/editor/view_controller.h"

#include "doc/document/document.h"
#include "doc/scene/picking.h"
#include "doc/scene/regions.h"
#include "view/commands/commands.h"
#include "view/editor/view_host.h"

#include <unordered_set>

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

// The list positions of the hits, which are in list order.
std::vector<std::size_t> PositionsOf(const CPrimitiveList& list, const std::vector<CHit>& hits) {
    std::unordered_set<const CPrimitive*> wanted;
    for (const CHit& h : hits)
        wanted.insert(h.p);
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < list.size() && positions.size() < hits.size(); ++i)
        if (wanted.count(list[i].get())) positions.push_back(i);
    return positions;
}
} // namespace

// Window managers keep Alt+click for themselves, so Ctrl+Shift+click does
// the same. The reordering is not a change of the drawing's content.
void CViewController::PressSelect(const CMouseInput& in, CPoint pt) {
    const bool bAlt = in.bAlt || (in.bCtrl && in.bShift);
    const bool bCtrl = in.bCtrl && !in.bShift;
    std::vector<CHit> hits;
    FindHits(m_index, Dc(), m_ctx.layers, in.ptClient, hits);
    if (hits.empty()) {
        if (!bCtrl) m_doc.ClearSelection();
        Begin(MODE_BAND);
        m_rcBand = CRect{pt.x, pt.y, pt.x, pt.y};
        RefreshOverlay();
        return;
    }
    CHit picked = hits.front();
    if (bAlt && hits.size() >= 2) {
        m_doc.RotateOrder(PositionsOf(m_doc.Primitives(), hits));
        picked = hits[1]; // now where the first of them was
    } else if (!bAlt) {
        for (const CHit& h : hits)
            if (h.p->IsSelected()) {
                picked = h;
                break;
            }
    }
    PressOnPrimitive(picked.p, picked.nResult, bCtrl);
}

void CViewController::PressOnPrimitive(CPrimitive* p, int nHit, bool bCtrl) {
    if (bCtrl && p->IsSelected()) {
        m_doc.Select(p, false);
        return;
    }
    if (!bCtrl && !p->IsSelected()) m_doc.ClearSelection();
    m_doc.Select(p, true);
    const auto& sel = m_doc.Selection();
    if (sel.size() > 1 || nHit == HIT_INSIDE || sel.front()->GetPointCount() == 1)
        StartMove();
    else
        StartPointEdit(nHit);
}

void CViewController::MoveBand(CPoint pt) {
    m_rcBand.right = pt.x;
    m_rcBand.bottom = pt.y;
    m_ptLast = pt;
    RefreshOverlay();
}

// Dragged right and down, the band takes what lies wholly inside it; left or
// up, whatever it touches.
void CViewController::EndBand(bool bSelect) {
    const CRect band = m_rcBand;
    End();
    if (!bSelect || band.right == band.left || band.bottom == band.top) return;
    const bool bTouch = band.right < band.left || band.bottom < band.top;
    const CRect rect = Normalised(band);
    CSurface& dc = Dc();
    const std::uint32_t key = RegionKeyOf(dc);
    std::vector<CPrimitive*> near;
    m_index.Query(rect, UnitsPerPixel(dc), 0, near);
    bool bNoRegion = false;
    for (CPrimitive* p : near) {
        if (!m_ctx.layers.IsShown(p->GetLayer(), false)) continue;
        EnsureRegion(*p, dc, key);
        const CRegion& rgn = *p->GetRegion();
        if (rgn.IsEmpty()) {
            bNoRegion = true;
            continue;
        }
        const CRect r = rgn.GetRgnBox(); // right and bottom exclusive
        if (BoxTest({r.left, r.top, r.right - 1, r.bottom - 1}, rect, bTouch) && !p->IsSelected())
            m_doc.Select(p, true);
    }
    if (bNoRegion) m_host.Beep();
}

// A selected primitive under the pointer wins; a click elsewhere leaves the
// selection for what it hits.
void CViewController::PickForMenu(const CMouseInput& in) {
    std::vector<CHit> hits;
    FindHits(m_index, Dc(), m_ctx.layers, in.ptClient, hits);
    CPrimitive* picked = hits.empty() ? nullptr : hits.front().p;
    for (const CHit& h : hits)
        if (h.p->IsSelected()) {
            picked = h.p;
            break;
        }
    bool bShownSelected = false;
    for (const CPrimitive* p : m_doc.Selection())
        bShownSelected = bShownSelected || m_ctx.layers.IsShown(p->GetLayer(), false);
    if ((!picked || !picked->IsSelected()) && bShownSelected) m_doc.ClearSelection();
    if (picked && !picked->IsSelected()) m_doc.Select(picked, true);
    m_ptMenu = in.ptClient;
    m_bMenuShown = true;
    m_host.ShowContextMenu(in.ptClient);
}

// Over a point of the only selected primitive, over a selected body, or elsewhere.
void CViewController::UpdateIdleCursor(CPoint ptClient) {
    const int nTool = m_host.CurrentTool();
    if (nTool != TOOL_SELECT) {
        m_host.SetCursor(ToolCursor(nTool));
        return;
    }
    int nCursor = CURSOR_ARROW;
    const auto& sel = m_doc.Selection();
    if (!sel.empty()) {
        std::vector<CHit> hits;
        FindHits(m_index, Dc(), m_ctx.layers, ptClient, hits);
        for (const CHit& h : hits)
            if (h.p->IsSelected()) {
                nCursor = (h.nResult >= 0 && sel.size() == 1) ? CURSOR_POINT : CURSOR_MOVE;
                break;
            }
    }
    m_host.SetCursor(nCursor);
}
