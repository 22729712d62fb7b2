// The move of the selection and the paste.
#include "view/editor/state_move.h"

#include "doc/document/document.h"
#include "view/commands/selection_ops.h"
#include "view/editor/view_controller.h"

void CMoveState::Start() {
    m_view.Begin(*this);
}

void CMoveState::StartPaste(CPrimitiveList prims) {
    m_held.Hold(std::move(prims));
    for (CPrimitive* p : m_held.Pointers()) {
        p->SetSelected(false); // so that Select takes it into the selection
        m_view.m_doc.Select(p, true);
    }
    m_view.Begin(*this);
    m_view.m_ptLast = m_held.Front()->GetPoint(0);
    m_view.RefreshOverlay();
}

void CMoveState::TakeOut() {
    m_held.TakeOut(m_view.m_doc);
    TakeOutWires();
}

void CMoveState::MoveTo(CPoint pt) {
    if (InDrawing()) TakeOut();
    // A paste from far away saturates as its points do.
    const CPoint last = m_view.m_ptLast;
    const int dx = ClampToInt32(std::int64_t(pt.x) - last.x);
    const int dy = ClampToInt32(std::int64_t(pt.y) - last.y);
    for (const auto& p : m_held.List())
        p->Move(dx, dy);
    FollowWires();
    m_view.m_ptLast = pt;
    m_view.RefreshOverlay();
}

// Released where it writes as before (in place, or turned back round): the
// primitives keep their places in the list and nothing is committed. A paste
// always counts.
void CMoveState::LeftRelease(const CMouseInput&, CPoint pt) {
    if (pt != m_view.m_ptLast) MoveTo(pt);
    CSchemoDoc& doc = m_view.m_doc;
    const bool bChange = !m_held.IsEmpty() && m_held.Changed();
    PutBackWires(bChange);
    if (bChange)
        m_held.PutBackAtEnd(doc);
    else if (!m_held.IsEmpty())
        m_held.PutBackInPlace(doc);
    m_view.End();
    if (bChange) doc.CommitChange();
}

void CMoveState::RightRelease(CPoint pt) {
    if (InDrawing()) TakeOut();
    TurnPrimitives(m_held.Pointers(), pt.x, pt.y);
    FollowWires();
    m_view.RefreshOverlay();
}

void CMoveState::Mirror() {
    if (InDrawing()) TakeOut();
    MirrorPrimitives(m_held.Pointers(), m_view.m_ptLast.x);
    FollowWires();
    m_view.RefreshOverlay();
}

void CMoveState::Cancel() {
    GiveBack();
    m_view.End();
}

void CMoveState::GiveBack() {
    RestoreWires();
    m_held.Restore(m_view.m_doc);
}
