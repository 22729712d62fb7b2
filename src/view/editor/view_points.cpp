// Dragging one point: editing a point of the only selected primitive, and
// creating primitives point by point (lines and tracks chain, polygons close
// on a repeated vertex, a text asks for its properties at once).
#include "view/editor/view_controller.h"

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
#include "view/editor/view_host.h"

#include <cstdlib>

// The primitive leaves the drawing only when its point really moves: a click
// on a point, the usual way to select a line, costs no reordering of the list.
void CViewController::StartPointEdit(int nPoint) {
    Begin(MODE_POINT);
    m_nDragPoint = nPoint;
    m_bFirstMove = true;
    m_pPointEdit = m_doc.Selection().front();
    m_ptPointBefore = m_pPointEdit->GetPoint(nPoint);
}

CPrimitive* CViewController::PointPrimitive() const {
    return m_bFirstMove ? m_pPointEdit : m_held.Front();
}

// Point 0 at the press; the next point, or the only one, follows the mouse.
void CViewController::StartNewPrimitive(CPoint pt) {
    std::unique_ptr<CPrimitive> p = CreateForTool(m_host.CurrentTool(), pt);
    if (!p) return;
    p->SetLayer(m_host.CurrentLayer());
    m_doc.ClearSelection();
    CPrimitive* raw = p.get();
    CPrimitiveList one;
    one.push_back(std::move(p));
    m_held.Hold(std::move(one));
    m_doc.Select(raw, true);
    Begin(MODE_POINT);
    m_bNewPrimitive = true;
    m_nDragPoint = raw->GetPointCount() == 1 ? 0 : 1;
    RefreshOverlay();
}

std::unique_ptr<CPrimitive> CViewController::CreateForTool(int nTool, CPoint pt) {
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
        auto macro = m_ghost.Make(m_host.SelectedMacro(), pt, m_ctx.resolveMacro);
        if (!macro) m_host.Beep();
        return macro;
    }
    default:
        return nullptr;
    }
}

// Shift held while a line or track is drawn: its moving end goes onto the
// horizontal or the vertical through its start, whichever is nearer.
CPoint CViewController::Straighten(const CMouseInput& in, CPoint pt) const {
    if (!in.bShift || m_nMode != MODE_POINT || !m_bNewPrimitive || m_nDragPoint != 1) return pt;
    const CPrimitive* p = PointPrimitive();
    if (!(p->GetCapabilities() & CAP_LINE)) return pt;
    const CPoint start = p->GetPoint(0);
    if (std::abs(pt.y - start.y) <= std::abs(pt.x - start.x)) return CPoint{pt.x, start.y};
    return CPoint{start.x, pt.y};
}

void CViewController::DragPointTo(CPoint pt) {
    if (m_bFirstMove) TakeOutForMove();
    m_held.Front()->SetPoint(m_nDragPoint, pt.x, pt.y, false);
    m_ptLast = pt;
    RefreshOverlay();
}

// Only a new primitive's release may close a polygon: on an edit, putting a
// vertex onto the one before it must not cut off the vertices after it. An
// edited point released where it was pressed stays where it was, off the
// snap grid or not: a click that selects a line by its end does not move it.
void CViewController::ReleasePoint(const CMouseInput& in, CPoint pt) {
    if (m_bFirstMove) {
        if (pt == m_ptAnchor) {
            End();
            return;
        }
        TakeOutForMove();
    }
    CPrimitive* p = m_held.Front();
    const int i = m_nDragPoint;
    // A press and release on one spot: the second point comes with a click.
    if (i == 1 && pt == p->GetPoint(0)) return;
    if (!m_bNewPrimitive && pt == m_ptAnchor) pt = m_ptPointBefore;
    if (i + 1 <= p->GetPointCount()) p->SetPoint(i, pt.x, pt.y, m_bNewPrimitive);
    if ((p->GetCapabilities() & CAP_TEXT) && i == p->GetPointCount() - 1) {
        FinishText();
        return;
    }
    m_nDragPoint = i + 1;
    if (m_bNewPrimitive && i + 1 < p->GetPointCount()) { // read again: a polygon may have closed
        p->SetPoint(i + 1, pt.x, pt.y, false);
        m_ptLast = pt;
        RefreshOverlay();
        return;
    }
    FinishPoint(in);
}

// The text is in the drawing, selected, while its properties are asked for;
// the controller is idle meanwhile. The dialog may end the edit itself when it
// changed something: the text's creation is then already in the history.
void CViewController::FinishText() {
    CPrimitive* text = m_held.Front();
    m_held.PutBackAtEnd(m_doc);
    End();
    const CUndoHistory& history = m_doc.History();
    const std::size_t nCount = history.Count(), nPos = history.Position();
    const bool bModified = m_doc.IsModified();
    if (!m_host.RunPropertyDialog()) {
        m_doc.Remove({text});
        return;
    }
    if (history.Count() == nCount && history.Position() == nPos && m_doc.IsModified() == bModified)
        m_doc.CommitChange();
}

// A new line or track is followed at once by the next one from its end,
// which a straightened line holds and the pointer may not.
void CViewController::FinishPoint(const CMouseInput& in) {
    const CPrimitive* p = m_held.Front();
    const CPoint end = p->GetPoint(p->GetPointCount() - 1);
    if (!p->IsComplete()) {
        m_held.Restore(m_doc);
        End();
        return;
    }
    const bool bChain = m_bNewPrimitive && (p->GetCapabilities() & CAP_LINE);
    const bool bChange = m_held.Changed();
    if (bChange)
        m_held.PutBackAtEnd(m_doc);
    else
        m_held.PutBackInPlace(m_doc);
    End();
    if (bChain) m_doc.ClearSelection();
    if (bChange) m_doc.CommitChange();
    if (bChain) {
        m_ptLastDevice = in.ptClient;
        m_ptAnchor = m_ptLast = end;
        StartNewPrimitive(end);
    }
}
