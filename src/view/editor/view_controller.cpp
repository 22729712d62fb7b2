// The dispatch of the view's mouse, key and timer events to the drag running
// or, when idle, by tool; and what every drag shares: conversions, the
// overlay, the start and the ending.
#include "view/editor/view_controller.h"

#include "doc/document/document.h"
#include "doc/scene/spatial_index.h"
#include "view/commands/commands.h"
#include "view/editor/view_host.h"
#include "view/viewport/zoom_text.h"

#include <cassert>
#include <cmath>
#include <utility>

int ToolCursor(int nTool) {
    switch (nTool) {
    case TOOL_SELECT:
        return CURSOR_ARROW;
    case TOOL_ZOOM:
        return CURSOR_ZOOM;
    case TOOL_HAND:
        return CURSOR_HAND_OPEN;
    default:
        return CURSOR_CROSS;
    }
}

CViewController::CViewController(CSchemoDoc& doc, CViewCoords& coords, const CSpatialIndex& index,
                                 IViewHost& host, CEditContext context)
    : m_doc(doc), m_coords(coords), m_index(index), m_host(host), m_ctx(std::move(context)) {}

// The window may be half gone by now: only the document is told.
CViewController::~CViewController() {
    if (m_pState) m_pState->GiveBack();
}

CSurface& CViewController::Dc() {
    CSurface& dc = m_host.MeasureSurface();
    m_coords.PrepareMapping(dc);
    return dc;
}

CPoint CViewController::ToLogical(CPoint ptClient, bool bSnap) const {
    const CPoint pt = m_coords.DPtoLP(ptClient);
    return bSnap ? m_coords.SnapPoint(pt) : pt;
}

void CViewController::Begin(CViewState& state) {
    m_ghost.Hide();
    m_pState = &state;
    m_host.SetCapture(true);
}

void CViewController::End() {
    m_pState = nullptr;
    m_host.SetCapture(false);
    StopAutoScroll();
    RefreshOverlay();
}

void CViewController::OnLButtonDown(const CMouseInput& in) {
    m_ptLastDevice = in.ptClient;
    if (!IsIdle()) return; // the drag ends on the release
    const CPoint pt = ToLogical(in.ptClient);
    m_ptLast = pt;
    switch (const int nTool = m_host.CurrentTool()) {
    case TOOL_HAND:
        m_pan.Start(false);
        break;
    case TOOL_ZOOM:
        Zoom(pt, true);
        break;
    case TOOL_SELECT:
        PressSelect(in, pt);
        break;
    default:
        if (nTool > TOOL_HAND && nTool < TOOL_COUNT) m_point.StartNew(pt);
        break;
    }
    CheckState();
}

void CViewController::OnMouseMove(const CMouseInput& in) {
    m_ptLastDevice = in.ptClient;
    m_bShiftHeld = in.bShift;
    if (m_pState && m_pState->AutoScrolls() && ArmAutoScroll(in.ptClient)) return;
    CPoint pt = ToLogical(in.ptClient, !m_pState || m_pState->Snaps());
    if (m_pState) pt = m_pState->Straighten(in, pt);
    if (!IsIdle() && pt == m_ptLast) return;
    m_host.SetStatusText(FormatReadout(pt, m_ctx.settings.nMicronsPerUnit));
    if (m_pState) {
        m_pState->MoveTo(pt);
    } else {
        UpdateIdleCursor(in.ptClient);
        UpdateGhost(pt);
    }
    CheckState();
}

void CViewController::OnLButtonUp(const CMouseInput& in) {
    CPoint pt = ToLogical(in.ptClient);
    if (m_pState) {
        pt = m_pState->Straighten(in, pt);
        m_pState->LeftRelease(in, pt);
    }
    if (IsIdle()) UpdateGhost(pt);
    CheckState();
}

void CViewController::OnRButtonDown(const CMouseInput& in) {
    if (!IsIdle()) return; // the right release does the work
    if (m_host.CurrentTool() == TOOL_ZOOM)
        Zoom(ToLogical(in.ptClient), false);
    else
        PickForMenu(in);
    CheckState();
}

// The right release turns what is dragged; a band ends without selecting.
void CViewController::OnRButtonUp(const CMouseInput& in) {
    if (m_pState) m_pState->RightRelease(ToLogical(in.ptClient));
    CheckState();
}

void CViewController::OnLButtonDblClk(const CMouseInput&) {
    if (IsIdle() && m_host.CurrentTool() == TOOL_SELECT) m_host.RunCommand(ID_PROPERTIES);
}

bool CViewController::OnKeyDown(int nKey) {
    if (nKey == 'r' || nKey == 's' || nKey == 'g') nKey -= 'a' - 'A';
    switch (nKey) {
    case KEY_ESCAPE:
        if (IsIdle()) {
            m_host.EscapeTool();
            m_host.SetCursor(ToolCursor(m_host.CurrentTool()));
        } else {
            CancelDrag();
        }
        break;
    case KEY_DELETE:
        CancelDrag();
        m_host.RunCommand(ID_EDIT_CLEAR);
        break;
    case 'R':
        if (TurnGhost(false)) break;
        if (IsIdle())
            m_host.RunCommand(ID_ROTATE);
        else
            m_pState->RightRelease(ToLogical(m_ptLastDevice));
        break;
    case 'S':
        if (TurnGhost(true)) break;
        if (IsIdle())
            m_host.RunCommand(ID_MIRROR);
        else
            m_pState->Mirror();
        break;
    case 'G':
        m_bMenuShown = false; // the keys do not come here while a menu is open
        if (IsIdle()) StartWireDrag(m_ptLastDevice);
        break;
    default:
        if (!OnIdleKey(nKey)) return false;
        break;
    }
    CheckState();
    return true;
}

void CViewController::CancelDrag() {
    if (m_pState)
        m_pState->Cancel();
    else
        StopAutoScroll();
    CheckState();
}

void CViewController::StartPaste(CPrimitiveList prims) {
    CancelDrag();
    m_doc.ClearSelection();
    if (prims.empty()) return;
    m_move.StartPaste(std::move(prims));
    CheckState();
}

// As a paste hangs on the mouse, from the snapped point under the pointer; the
// selection stays in the drawing until the pointer moves, as a press leaves it.
// Started from the menu bar, off the drawing: as for a paste, the first move
// over it brings the first selected primitive's point 0 to the pointer. From
// the context menu, the pointer is on its item by now: the right click that
// opened it holds the selection, as a drag started there would.
void CViewController::StartWireDrag(CPoint ptClient) {
    if (m_bMenuShown) ptClient = m_ptMenu;
    CancelDrag();
    if (m_doc.Selection().empty()) return;
    const CSize sz = m_coords.GetClientSize();
    const bool bOver =
        ptClient.x >= 0 && ptClient.y >= 0 && ptClient.x < sz.cx && ptClient.y < sz.cy;
    m_ptLastDevice = ptClient;
    m_ptLast = bOver ? ToLogical(ptClient) : m_doc.Selection().front()->GetPoint(0);
    m_wireDrag.Start();
    CheckState();
}

void CViewController::RefreshOverlay() {
    const CRect now = OverlayBounds();
    CRect both = m_rcOverlay;
    GrowRect(both, now);
    m_rcOverlay = now;
    if (HasBounds(both))
        m_host.InvalidateOverlay(CRect{both.left, both.top, ClampToInt32(both.right + 1LL),
                                       ClampToInt32(both.bottom + 1LL)});
}

// One drag runs at a time by construction; a drag that is not running holds
// nothing.
void CViewController::CheckState() const {
#ifndef NDEBUG
    const CViewState* const states[] = {&m_band, &m_point, &m_move, &m_wireDrag, &m_pan};
    for (const CViewState* s : states)
        assert(s == m_pState || (s->Held().empty() && s->Wires().empty()));
#endif
}
