#pragma once
// Dragging one point: editing a point of the only selected primitive, and
// creating primitives point by point (lines and tracks chain, polygons close
// on a repeated vertex, a text asks for its properties at once).
#include "view/editor/drag_set.h"
#include "view/editor/view_state.h"

#include <memory>

class CPointDragState final : public CViewState {
  public:
    using CViewState::CViewState;

    // The primitive leaves the drawing only when its point really moves.
    void StartEdit(int nPoint, CPoint ptPress);
    // Point 0 at pt; the next point, or the only one, follows the mouse.
    void StartNew(CPoint pt);

    CPoint Straighten(const CMouseInput& in, CPoint pt) const override;
    void MoveTo(CPoint pt) override;
    void LeftRelease(const CMouseInput& in, CPoint pt) override;
    void RightRelease(CPoint pt) override;
    void Mirror() override;
    void Cancel() override;
    void GiveBack() override;
    const CPrimitiveList& Held() const override { return m_held.List(); }

  private:
    std::unique_ptr<CPrimitive> CreateForTool(int nTool, CPoint pt);
    CPrimitive* Primitive() const;
    // An edited primitive stays in the drawing until its point really moves.
    bool InDrawing() const { return m_held.IsEmpty(); }
    void TakeOut();
    void Begin();
    void End();
    void FinishText();
    void FinishPoint(const CMouseInput& in);

    CDragSet m_held;
    int m_nDragPoint = -1;         // the point that follows the mouse
    CPoint m_ptAnchor{-1, -1};     // snapped point of the press, or of a chained line's start
    CPoint m_ptBefore;             // where an edited point was before the press
    bool m_bNew = false;           // the drag creates a primitive
    CPrimitive* m_pEdit = nullptr; // the primitive whose point is edited, until it is taken out
};
