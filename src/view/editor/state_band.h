#pragma once
// The select tool's rubber band, from a press on nothing to the release.
#include "view/editor/view_state.h"

class CBandState final : public CViewState {
  public:
    using CViewState::CViewState;

    void Start(CPoint pt);
    void MoveTo(CPoint pt) override;
    void LeftRelease(const CMouseInput& in, CPoint pt) override;
    void RightRelease(CPoint) override { End(false); }
    void Cancel() override { End(false); }
    const CRect* Band() const override { return &m_rcBand; }

  private:
    void End(bool bSelect);

    CRect m_rcBand; // anchor to pointer, not normalised
};
