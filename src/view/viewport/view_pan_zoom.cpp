// The hand, the magnifier, and the auto-scroll that runs while a drag is
// held near the window's edges.
#include "view/editor/view_controller.h"

#include "view/editor/view_host.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr int EDGE_PIXELS = 30;
constexpr int FIRST_PERIOD_MS = 500;

// After so many ticks the timer runs faster.
struct CSpeedUp {
    int nTicks;
    int nMilliseconds;
};
constexpr CSpeedUp SPEED_UPS[] = {{4, 250}, {12, 125}, {28, 62}};
} // namespace

// The grabbed logical point stays under the pointer; the scroll position is
// not held to the sheet.
void CViewController::PanTo(CPoint pt) {
    const CPoint d{pt.x - m_ptLast.x, pt.y - m_ptLast.y};
    const CPoint s = m_coords.GetScrollPos();
    m_coords.ScrollTo(s.x - d.x, s.y - d.y);
    m_ptLast = CPoint{pt.x - d.x, pt.y - d.y};
    m_host.ViewMoved(false);
}

void CViewController::EndPan(CPoint ptClient) {
    End();
    if (!m_bMiddlePan) {
        m_host.SetCursor(CURSOR_HAND_OPEN);
        return;
    }
    m_bMiddlePan = false;
    UpdateIdleCursor(ptClient);
}

bool CViewController::OnMButtonDown(const CMouseInput& in) {
    if (!IsIdle() || m_coords.m_bStretch) return false;
    m_ptLastDevice = in.ptClient;
    m_ptLast = ToLogical(in.ptClient, false);
    m_bMiddlePan = true;
    Begin(MODE_PAN);
    m_host.SetCursor(CURSOR_HAND_CLOSED);
    return true;
}

void CViewController::OnMButtonUp(const CMouseInput& in) {
    if (m_nMode == MODE_PAN && m_bMiddlePan) EndPan(in.ptClient);
}

void CViewController::OnWheel(const CWheelInput& in) {
    const bool bAlongY = std::abs(in.nAngleY) >= std::abs(in.nAngleX);
    const int nNotches = (bAlongY ? in.nAngleY : in.nAngleX) / 120;
    if (nNotches == 0) return;
    if (in.bCtrl) {
        m_coords.ZoomAbout(in.ptClient, m_coords.GetScale() * std::pow(ZOOM_STEP, nNotches));
        m_host.ViewMoved(true);
    } else if (m_coords.OnWheel(!in.bShift && in.nAngleY != 0, nNotches)) {
        m_host.ViewMoved(false);
    } else {
        return;
    }
    FollowPointer(in.ptClient, in.bShift);
}

// The drawing moved under a pointer that stayed: what hangs on the pointer
// follows at once, not at the next move.
void CViewController::FollowPointer(CPoint ptClient, bool bShift) {
    CMouseInput in;
    in.ptClient = ptClient;
    in.bShift = bShift;
    OnMouseMove(in);
}

void CViewController::Zoom(CPoint pt, bool bIn) {
    m_coords.ZoomTool(pt, bIn);
    m_host.ViewMoved(true);
}

// A pointer within EDGE_PIXELS of an edge, or past it, starts the timer;
// the move that starts it goes no further. Away from the edges it stops.
bool CViewController::ArmAutoScroll(CPoint ptClient) {
    const CSize client = m_coords.GetClientSize();
    int nMask = 0;
    if (ptClient.y < EDGE_PIXELS)
        nMask = 2;
    else if (ptClient.y > client.cy - EDGE_PIXELS)
        nMask = 8;
    if (ptClient.x < EDGE_PIXELS)
        nMask |= 1;
    else if (ptClient.x > client.cx - EDGE_PIXELS)
        nMask |= 4;
    m_nEdgeMask = nMask;
    if (nMask && !m_bTimerOn) {
        m_host.StartTimer(FIRST_PERIOD_MS);
        m_bTimerOn = true;
        m_nTimerTicks = 0;
        return true;
    }
    if (!nMask) StopAutoScroll();
    return false;
}

void CViewController::StopAutoScroll() {
    if (!m_bTimerOn) return;
    m_host.StopTimer();
    m_bTimerOn = false;
}

// One arrow step towards each edge the pointer is near, within the scroll
// range; true when the view moved.
bool CViewController::ScrollTowardsEdges() {
    const CPoint before = m_coords.GetScrollPos();
    const CScrollAxis h = m_coords.UpdateScrollBar(false);
    const CScrollAxis v = m_coords.UpdateScrollBar(true);
    if ((m_nEdgeMask & 1) && h.nPos > h.nMin)
        m_coords.OnScroll(false, SCROLL_LINE_BACK, 0);
    else if ((m_nEdgeMask & 4) && h.nPos < h.nMax)
        m_coords.OnScroll(false, SCROLL_LINE_FORWARD, 0);
    if ((m_nEdgeMask & 2) && v.nPos > v.nMin)
        m_coords.OnScroll(true, SCROLL_LINE_BACK, 0);
    else if ((m_nEdgeMask & 8) && v.nPos < v.nMax)
        m_coords.OnScroll(true, SCROLL_LINE_FORWARD, 0);
    return m_coords.GetScrollPos() != before;
}

void CViewController::OnTimer() {
    if (IsIdle() || m_nMode == MODE_PAN) { // a tick that was already on its way
        StopAutoScroll();
        return;
    }
    if (!m_coords.m_bStretch && ScrollTowardsEdges()) {
        m_host.ViewMoved(false);
        FollowPointer(m_host.PointerPosition(), m_bShiftHeld);
    }
    if (!m_bTimerOn) return;
    ++m_nTimerTicks;
    for (const CSpeedUp& s : SPEED_UPS)
        if (m_nTimerTicks == s.nTicks) m_host.StartTimer(s.nMilliseconds);
}
