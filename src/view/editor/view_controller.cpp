// The dispatch of the view's mouse, key and timer events by drag state and
// tool, and what every drag shares: conversions, the overlay, the ending.
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
    m_wires.Restore(m_doc);
    m_held.Restore(m_doc);
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

void CViewController::Begin(Mode nMode) {
    m_ghost.Hide();
    m_nMode = nMode;
    m_host.SetCapture(true);
}

void CViewController::End() {
    m_nMode = MODE_IDLE;
    m_bNewPrimitive = m_bFirstMove = false;
    m_nDragPoint = -1;
    m_host.SetCapture(false);
    StopAutoScroll();
    RefreshOverlay();
}

void CViewController::OnLButtonDown(const CMouseInput& in) {
    m_ptLastDevice = in.ptClient;
    if (!IsIdle()) return; // the drag ends on the release
    const CPoint pt = ToLogical(in.ptClient);
    m_ptAnchor = m_ptLast = pt;
    switch (const int nTool = m_host.CurrentTool()) {
    case TOOL_HAND:
        Begin(MODE_PAN);
        m_host.SetCursor(CURSOR_HAND_CLOSED);
        break;
    case TOOL_ZOOM:
        Zoom(pt, true);
        break;
    case TOOL_SELECT:
        PressSelect(in, pt);
        break;
    default:
        if (nTool > TOOL_HAND && nTool < TOOL_COUNT) StartNewPrimitive(pt);
        break;
    }
    CheckState();
}

void CViewController::OnMouseMove(const CMouseInput& in) {
    m_ptLastDevice = in.ptClient;
    const bool bScrolls =
        m_nMode == MODE_BAND || m_nMode == MODE_POINT || (m_nMode == MODE_MOVE && !m_bFirstMove);
    m_bShiftHeld = in.bShift;
    if (bScrolls && ArmAutoScroll(in.ptClient)) return;
    const CPoint pt = Straighten(in, ToLogical(in.ptClient, m_nMode != MODE_PAN));
    if (!IsIdle() && pt == m_ptLast) return;
    m_host.SetStatusText(FormatReadout(pt, m_ctx.settings.nMicronsPerUnit));
    switch (m_nMode) {
    case MODE_PAN:
        PanTo(pt);
        break;
    case MODE_BAND:
        MoveBand(pt);
        break;
    case MODE_POINT:
        DragPointTo(pt);
        break;
    case MODE_MOVE:
        MoveTo(pt);
        break;
    case MODE_IDLE:
        UpdateIdleCursor(in.ptClient);
        UpdateGhost(pt);
        break;
    }
    CheckState();
}

void CViewController::OnLButtonUp(const CMouseInput& in) {
    const CPoint pt = Straighten(in, ToLogical(in.ptClient));
    switch (m_nMode) {
    case MODE_PAN:
        if (!m_bMiddlePan) EndPan(in.ptClient);
        break;
    case MODE_BAND:
        if (pt != m_ptLast) MoveBand(pt);
        EndBand(true);
        break;
    case MODE_POINT:
        ReleasePoint(in, pt);
        break;
    case MODE_MOVE:
        FinishMove(pt);
        break;
    case MODE_IDLE:
        break;
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

void CViewController::OnRButtonUp(const CMouseInput& in) {
    RightRelease(ToLogical(in.ptClient), false);
    CheckState();
}

void CViewController::OnLButtonDblClk(const CMouseInput&) {
    if (IsIdle() && m_host.CurrentTool() == TOOL_SELECT) m_host.RunCommand(ID_PROPERTIES);
}

// The right release turns what is dragged (a primitive being placed only
// when it has a single point); a band ends without selecting; anything else
// is cancelled.
void CViewController::RightRelease(CPoint pt, bool bCancel) {
    switch (m_nMode) {
    case MODE_BAND:
        EndBand(false);
        break;
    case MODE_POINT: {
        const CPrimitive* p = PointPrimitive();
        if (!bCancel && (p->GetCapabilities() & CAP_ROTATE_ANY) && p->GetPointCount() == 1)
            TurnHeld(pt);
        else
            CancelDrag();
        break;
    }
    case MODE_MOVE:
        if (bCancel)
            CancelDrag();
        else
            TurnHeld(pt);
        break;
    case MODE_PAN:
        if (bCancel) CancelDrag();
        break;
    case MODE_IDLE:
        break;
    }
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
            RightRelease(ToLogical(m_ptLastDevice), false);
        break;
    case 'S':
        if (TurnGhost(true)) break;
        if (IsIdle())
            m_host.RunCommand(ID_MIRROR);
        else
            MirrorHeld();
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
    switch (m_nMode) {
    case MODE_IDLE:
        StopAutoScroll();
        break;
    case MODE_PAN:
        EndPan(m_ptLastDevice);
        break;
    case MODE_BAND:
        EndBand(false);
        break;
    case MODE_POINT:
    case MODE_MOVE:
        m_wires.Restore(m_doc);
        m_held.Restore(m_doc);
        End();
        break;
    }
    CheckState();
}

void CViewController::RefreshOverlay() {
    const CRect now = OverlayBounds();
    CRect both = m_rcOverlay;
    GrowRect(both, now);
    m_rcOverlay = now;
    if (HasBounds(both))
        m_host.InvalidateOverlay(CRect{both.left, both.top, both.right + 1, both.bottom + 1});
}

// The mode is one value, so the four drags exclude each other by
// construction; what depends on the mode is checked here.
void CViewController::CheckState() const {
    assert(m_nMode == MODE_POINT || m_nMode == MODE_MOVE || m_held.IsEmpty());
    assert(m_nMode == MODE_MOVE || m_wires.IsEmpty());
    assert(m_nMode != MODE_POINT || m_bFirstMove == m_held.IsEmpty());
    assert(m_nMode != MODE_MOVE || m_bFirstMove == m_held.IsEmpty());
    assert(!m_bNewPrimitive || m_nMode == MODE_POINT);
    assert(!m_bFirstMove || m_nMode == MODE_MOVE || m_nMode == MODE_POINT);
}
