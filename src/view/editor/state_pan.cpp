// The pan, which scrolls the view so that the grabbed point stays under the
// pointer.
#include "view/editor/state_pan.h"

#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"

void CPanState::Start(bool bMiddle) {
    m_bMiddle = bMiddle;
    m_view.Begin(*this);
    m_view.m_host.SetCursor(CURSOR_HAND_CLOSED);
}

// The scroll position is not held to the sheet, only to the integers. The
// grabbed point keeps its place in the window, so m_ptLast stays.
void CPanState::MoveTo(CPoint pt) {
    const std::int64_t dx = std::int64_t(pt.x) - m_view.m_ptLast.x,
                       dy = std::int64_t(pt.y) - m_view.m_ptLast.y;
    CViewCoords& coords = m_view.m_coords;
    const CPoint s = coords.GetScrollPos();
    coords.ScrollTo(ClampToInt32(s.x - dx), ClampToInt32(s.y - dy));
    m_view.m_host.ViewMoved(false);
}

void CPanState::LeftRelease(const CMouseInput& in, CPoint) {
    if (!m_bMiddle) End(in.ptClient);
}

void CPanState::MiddleRelease(CPoint ptClient) {
    if (m_bMiddle) End(ptClient);
}

void CPanState::Cancel() {
    End(m_view.m_ptLastDevice);
}

void CPanState::End(CPoint ptClient) {
    m_view.End();
    if (!m_bMiddle) {
        m_view.m_host.SetCursor(CURSOR_HAND_OPEN);
        return;
    }
    m_bMiddle = false;
    m_view.UpdateIdleCursor(ptClient);
}
