#pragma once
// A drag the view controller runs: it owns what only that drag needs and
// answers the events the controller forwards while the drag is current. The
// controller is idle when no drag is current.
#include "model/primitive.h"

class CViewController;

// One mouse event: the pointer in client device-independent pixels and the
// modifier keys held.
struct CMouseInput {
    CPoint ptClient{0, 0};
    bool bCtrl = false;
    bool bShift = false;
    bool bAlt = false;
};

class CViewState {
  public:
    explicit CViewState(CViewController& view) : m_view(view) {}
    virtual ~CViewState() = default;
    CViewState(const CViewState&) = delete;
    CViewState& operator=(const CViewState&) = delete;

    // Whether the pointer near the window's edges starts the auto-scroll, and
    // whether the timer's ticks scroll at all.
    virtual bool AutoScrolls() const { return true; }
    virtual bool KeepsTimer() const { return true; }
    // Whether the pointer's logical point is snapped to the grid.
    virtual bool Snaps() const { return true; }
    // The pointer's point as the drag takes it (Shift may hold it to an axis).
    virtual CPoint Straighten(const CMouseInput&, CPoint pt) const { return pt; }

    // The pointer moved to a logical point other than the last one.
    virtual void MoveTo(CPoint pt) = 0;
    virtual void LeftRelease(const CMouseInput& in, CPoint pt) = 0;
    // The right release and R: a turn about the point, where the drag has one.
    virtual void RightRelease(CPoint) {}
    virtual void MiddleRelease(CPoint) {}
    // S: a mirror about the vertical through the last point, where it has one.
    virtual void Mirror() {}
    // Ends the drag leaving the document exactly as it was before it.
    virtual void Cancel() = 0;
    // Only the document is told: the window may be half gone.
    virtual void GiveBack() {}

    // What the overlay shows: the primitives held with their point marks,
    // the wires stretched with them, and the rubber band (not normalised).
    virtual const CPrimitiveList& Held() const { return None(); }
    virtual const CPrimitiveList& Wires() const { return None(); }
    virtual const CRect* Band() const { return nullptr; }

  protected:
    static const CPrimitiveList& None() {
        static const CPrimitiveList none;
        return none;
    }

    CViewController& m_view;
};
