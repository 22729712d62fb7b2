#pragma once
// G's move: the selection follows the pointer with no button held, and the
// wires attached to it stretch.
#include "view/editor/state_move.h"
#include "view/editor/wire_drag.h"

class CWireDragState final : public CMoveState {
  public:
    using CMoveState::CMoveState;

    // The wires attached to the selection, on the layers shown, are found
    // before the move starts.
    void Start();
    const CPrimitiveList& Wires() const override { return m_wires.List(); }

  protected:
    void TakeOutWires() override;
    void FollowWires() override { m_wires.Follow(); }
    void PutBackWires(bool bChange) override;
    void RestoreWires() override;

  private:
    CWireDrag m_wires;
};
