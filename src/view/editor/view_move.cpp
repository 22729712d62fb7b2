// Moving the selection, turning and mirroring it on the way; the paste and
// G's move, which hang on the mouse until a click places them.
#include "view/editor/view_controller.h"

#include "doc/document/document.h"
#include "view/commands/selection_ops.h"

// The selection stays in the drawing until the pointer really moves, so a
// plain click on it changes nothing.
void CViewController::StartMove() {
    Begin(MODE_MOVE);
    m_bFirstMove = true;
}

void CViewController::TakeOutForMove() {
    m_held.TakeOut(m_doc);
    m_wires.TakeOut(m_doc);
    m_bFirstMove = false;
}

void CViewController::MoveTo(CPoint pt) {
    if (m_bFirstMove) TakeOutForMove();
    const int dx = pt.x - m_ptLast.x, dy = pt.y - m_ptLast.y;
    for (const auto& p : m_held.List())
        p->Move(dx, dy);
    m_wires.Follow();
    m_ptLast = pt;
    RefreshOverlay();
}

// Released where it writes as before (in place, or turned back round): the
// primitives keep their places in the list and nothing is committed. A paste
// always counts.
void CViewController::FinishMove(CPoint pt) {
    if (pt != m_ptLast) MoveTo(pt);
    const bool bChange = !m_held.IsEmpty() && m_held.Changed();
    // The wires go back where they were in the list, which lacks the
    // selection; whole again when nothing changed.
    if (bChange) {
        m_wires.PutBack(m_doc);
        m_held.PutBackAtEnd(m_doc);
    } else {
        m_wires.Restore(m_doc);
        if (!m_held.IsEmpty()) m_held.PutBackInPlace(m_doc);
    }
    End();
    if (bChange) m_doc.CommitChange();
}

void CViewController::TurnHeld(CPoint pt) {
    if (m_bFirstMove) TakeOutForMove();
    TurnPrimitives(m_held.Pointers(), pt.x, pt.y);
    m_wires.Follow();
    RefreshOverlay();
}

// About the vertical line through the pointer; a primitive being placed only
// when it has a single point.
void CViewController::MirrorHeld() {
    if (m_nMode == MODE_POINT) {
        const CPrimitive* p = PointPrimitive();
        if (!(p->GetCapabilities() & CAP_MIRROR_ANY) || p->GetPointCount() != 1) return;
    } else if (m_nMode != MODE_MOVE) {
        return;
    }
    if (m_bFirstMove) TakeOutForMove();
    MirrorPrimitives(m_held.Pointers(), m_ptLast.x);
    m_wires.Follow();
    RefreshOverlay();
}

// The first move brings the first primitive's point 0 to the pointer.
void CViewController::StartPaste(CPrimitiveList prims) {
    CancelDrag();
    m_doc.ClearSelection();
    if (prims.empty()) return;
    m_held.Hold(std::move(prims));
    for (CPrimitive* p : m_held.Pointers()) {
        p->SetSelected(false); // so that Select takes it into the selection
        m_doc.Select(p, true);
    }
    Begin(MODE_MOVE);
    m_ptLast = m_held.Front()->GetPoint(0);
    RefreshOverlay();
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
    m_ptAnchor = m_ptLast = bOver ? ToLogical(ptClient) : m_doc.Selection().front()->GetPoint(0);
    m_wires.Attach(m_doc, m_ctx.layers);
    StartMove();
    CheckState();
}
