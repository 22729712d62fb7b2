#pragma once
// Moving the selection, turning and mirroring it on the way, and the paste,
// which hangs on the mouse until a click places it.
#include "view/editor/drag_set.h"
#include "view/editor/view_state.h"

class CMoveState : public CViewState {
  public:
    using CViewState::CViewState;

    // The selection stays in the drawing until the pointer really moves, so
    // a plain click on it changes nothing.
    void Start();
    // The first move brings the first primitive's point 0 to the pointer.
    void StartPaste(CPrimitiveList prims);

    bool AutoScrolls() const override { return !InDrawing(); }
    void MoveTo(CPoint pt) override;
    void LeftRelease(const CMouseInput& in, CPoint pt) override;
    void RightRelease(CPoint pt) override;
    void Mirror() override;
    void Cancel() override;
    void GiveBack() override;
    const CPrimitiveList& Held() const override { return m_held.List(); }

  protected:
    // What a drag with the wires adds at each step; the wires go out after
    // the selection and back before it.
    virtual void TakeOutWires() {}
    virtual void FollowWires() {}
    virtual void PutBackWires(bool /*bChange*/) {}
    virtual void RestoreWires() {}

  private:
    void TakeOut();

    CDragSet m_held;
    // The selection stays in the drawing until the first move takes it out.
    bool InDrawing() const { return m_held.IsEmpty(); }
};
