// The point drag: a point of the only selected primitive, or the points of a
// new primitive one after the other.
#include "view/editor/state_point_drag.h"

#include "doc/document/document.h"
#include "model/bezier.h"
#include "model/connection.h"
#include "model/ellipse.h"
#include "model/line.h"
#include "model/macro.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/poly.h"
#include "model/rectangle.h"
#include "model/text.h"
#include "view/commands/commands.h"
#include "view/commands/selection_ops.h"
#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"

#include <cstdlib>

void CPointDragState::Begin() {
    m_view.Begin(*this);
    m_bNew = false;
    m_pEdit = nullptr;
}

void CPointDragState::End() {
    m_bNew = false;
    m_nDragPoint = -1;
    m_view.End();
}

// A click on a point, the usual way to select a line, costs no reordering of
// the list.
void CPointDragState::StartEdit(int nPoint, CPoint ptPress) {
    Begin();
    m_ptAnchor = ptPress;
    m_nDragPoint = nPoint;
    m_pEdit = m_view.m_doc.Selection().front();
    m_ptBefore = m_pEdit->GetPoint(nPoint);
}

CPrimitive* CPointDragState::Primitive() const {
    return InDrawing() ? m_pEdit : m_held.Front();
}

void CPointDragState::StartNew(CPoint pt) {
    std::unique_ptr<CPrimitive> p = CreateForTool(m_view.m_host.CurrentTool(), pt);
    if (!p) return;
    p->SetLayer(m_view.m_host.CurrentLayer());
    CSchemoDoc& doc = m_view.m_doc;
    doc.ClearSelection();
    CPrimitive* raw = p.get();
    CPrimitiveList one;
    one.push_back(std::move(p));
    m_held.Hold(std::move(one));
    doc.Select(raw, true);
    Begin();
    m_ptAnchor = pt;
    m_bNew = true;
    m_nDragPoint = raw->GetPointCount() == 1 ? 0 : 1;
    m_view.RefreshOverlay();
}

std::unique_ptr<CPrimitive> CPointDragState::CreateForTool(int nTool, CPoint pt) {
    const int x = pt.x, y = pt.y, u = POINT_UNSET.x;
    switch (nTool) {
    case TOOL_LINE:
        return std::make_unique<CLine>(x, y, u, u, false);
    case TOOL_TEXT:
        return std::make_unique<CExtendedText>(x, y, "Testo");
    case TOOL_CONNECTION:
        return std::make_unique<CConnection>(x, y, false);
    case TOOL_BEZIER: {
        const CPoint pts[4] = {pt, POINT_UNSET, POINT_UNSET, POINT_UNSET};
        return std::make_unique<CBezier>(pts, false);
    }
    case TOOL_POLYGON:
        return std::make_unique<CPoly>(x, y, u, u, u, u, false);
    case TOOL_ELLIPSE:
        return std::make_unique<CEllipse>(x, y, u, u, false);
    case TOOL_RECTANGLE:
        return std::make_unique<CRectangle>(x, y, u, u, false);
    case TOOL_PCBLINE:
        return std::make_unique<CPCBLine>(x, y, u, u, false);
    case TOOL_PCBPAD:
        return std::make_unique<CPCBPad>(x, y, false);
    case TOOL_MACRO: {
        // Turned and mirrored as the symbol under the pointer was.
        auto macro =
            m_view.m_ghost.Make(m_view.m_host.SelectedMacro(), pt, m_view.m_ctx.resolveMacro);
        if (!macro) m_view.m_host.Beep();
        return macro;
    }
    default:
        return nullptr;
    }
}

// Shift held while a line or track is drawn: its moving end goes onto the
// horizontal or the vertical through its start, whichever is nearer.
CPoint CPointDragState::Straighten(const CMouseInput& in, CPoint pt) const {
    if (!in.bShift || !m_bNew || m_nDragPoint != 1) return pt;
    const CPrimitive* p = Primitive();
    if (!(p->GetCapabilities() & CAP_LINE)) return pt;
    const CPoint start = p->GetPoint(0);
    if (std::abs(pt.y - start.y) <= std::abs(pt.x - start.x)) return CPoint{pt.x, start.y};
    return CPoint{start.x, pt.y};
}

void CPointDragState::TakeOut() {
    m_held.TakeOut(m_view.m_doc);
}

void CPointDragState::MoveTo(CPoint pt) {
    if (InDrawing()) TakeOut();
    m_held.Front()->SetPoint(m_nDragPoint, pt.x, pt.y, false);
    m_view.m_ptLast = pt;
    m_view.RefreshOverlay();
}

// A primitive being placed turns and mirrors only when it has a single
// point; anything else is cancelled by the right release.
void CPointDragState::RightRelease(CPoint pt) {
    const CPrimitive* p = Primitive();
    if (!(p->GetCapabilities() & CAP_ROTATE_ANY) || p->GetPointCount() != 1) {
        Cancel();
        return;
    }
    if (InDrawing()) TakeOut();
    TurnPrimitives(m_held.Pointers(), pt.x, pt.y);
    m_view.RefreshOverlay();
}

void CPointDragState::Mirror() {
    const CPrimitive* p = Primitive();
    if (!(p->GetCapabilities() & CAP_MIRROR_ANY) || p->GetPointCount() != 1) return;
    if (InDrawing()) TakeOut();
    MirrorPrimitives(m_held.Pointers(), m_view.m_ptLast.x);
    m_view.RefreshOverlay();
}

void CPointDragState::Cancel() {
    GiveBack();
    End();
}

void CPointDragState::GiveBack() {
    m_held.Restore(m_view.m_doc);
}

// Only a new primitive's release may close a polygon: on an edit, putting a
// vertex onto the one before it must not cut off the vertices after it. An
// edited point released where it was pressed stays where it was, off the
// snap grid or not: a click that selects a line by its end does not move it.
void CPointDragState::LeftRelease(const CMouseInput& in, CPoint pt) {
    const CPoint anchor = m_ptAnchor;
    if (InDrawing()) {
        if (pt == anchor) {
            End();
            return;
        }
        TakeOut();
    }
    CPrimitive* p = m_held.Front();
    const int i = m_nDragPoint;
    // A press and release on one spot: the second point comes with a click.
    if (i == 1 && pt == p->GetPoint(0)) return;
    if (!m_bNew && pt == anchor) pt = m_ptBefore;
    if (i + 1 <= p->GetPointCount()) p->SetPoint(i, pt.x, pt.y, m_bNew);
    if ((p->GetCapabilities() & CAP_TEXT) && i == p->GetPointCount() - 1) {
        FinishText();
        return;
    }
    m_nDragPoint = i + 1;
    if (m_bNew && i + 1 < p->GetPointCount()) { // read again: a polygon may have closed
        p->SetPoint(i + 1, pt.x, pt.y, false);
        m_view.m_ptLast = pt;
        m_view.RefreshOverlay();
        return;
    }
    FinishPoint(in);
}

// The text is in the drawing, selected, while its properties are asked for;
// the controller is idle meanwhile. The dialog may end the edit itself when it
// changed something: the text's creation is then already in the history.
void CPointDragState::FinishText() {
    CSchemoDoc& doc = m_view.m_doc;
    CPrimitive* text = m_held.Front();
    m_held.PutBackAtEnd(doc);
    End();
    const CUndoHistory& history = doc.History();
    const std::size_t nCount = history.Count(), nPos = history.Position();
    const bool bModified = doc.IsModified();
    if (!m_view.m_host.RunPropertyDialog()) {
        doc.Remove({text});
        return;
    }
    if (history.Count() == nCount && history.Position() == nPos && doc.IsModified() == bModified)
        doc.CommitChange();
}

// A new line or track is followed at once by the next one from its end,
// which a straightened line holds and the pointer may not.
void CPointDragState::FinishPoint(const CMouseInput& in) {
    CSchemoDoc& doc = m_view.m_doc;
    const CPrimitive* p = m_held.Front();
    const CPoint end = p->GetPoint(p->GetPointCount() - 1);
    if (!p->IsComplete()) {
        Cancel();
        return;
    }
    const bool bChain = m_bNew && (p->GetCapabilities() & CAP_LINE);
    const bool bChange = m_held.Changed();
    if (bChange)
        m_held.PutBackAtEnd(doc);
    else
        m_held.PutBackInPlace(doc);
    End();
    if (bChain) doc.ClearSelection();
    if (bChange) doc.CommitChange();
    if (bChain) {
        m_view.m_ptLastDevice = in.ptClient;
        m_view.m_ptLast = end;
        StartNew(end);
    }
}
