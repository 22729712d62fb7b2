#pragma once
// The pan: the hand tool's press, or the middle button with any tool, drags
// the drawing under the pointer.
#include "view/editor/view_state.h"

class CPanState final : public CViewState {
  public:
    using CViewState::CViewState;

    void Start(bool bMiddle);
    bool AutoScrolls() const override { return false; }
    bool KeepsTimer() const override { return false; }
    bool Snaps() const override { return false; }
    void MoveTo(CPoint pt) override;
    void LeftRelease(const CMouseInput& in, CPoint) override;
    void MiddleRelease(CPoint ptClient) override;
    void Cancel() override;

  private:
    void End(CPoint ptClient);

    bool m_bMiddle = false; // the pan is the middle button's, not the hand's
};
