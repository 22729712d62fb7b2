#pragma once
// The editing state machine of one document view: what the mouse buttons, the
// pointer's movement, four keys and the auto-scroll timer do with each tool.
// Idle, it answers them itself; during a drag it hands them to the drag's
// state. Dragged primitives are out of the document while they follow the
// mouse; the window paints them with DrawOverlay over its picture of the drawing.
#include "view/editor/edit_context.h"
#include "view/editor/state_band.h"
#include "view/editor/state_move.h"
#include "view/editor/state_pan.h"
#include "view/editor/state_point_drag.h"
#include "view/editor/state_wire_drag.h"
#include "view/editor/view_ghost.h"
#include "view/viewport/view_coords.h"

class CSchemoDoc;
class CSpatialIndex;
class IViewHost;

// One turn of the wheel: its angle in eighths of a degree on each axis (120
// a notch) and the modifier keys held.
struct CWheelInput {
    CPoint ptClient{0, 0};
    int nAngleX = 0, nAngleY = 0;
    bool bCtrl = false;
    bool bShift = false;
};

// Keys OnKeyDown knows besides letters, '+' and '-'.
enum ViewKey { KEY_ESCAPE = 0x1B, KEY_DELETE = 0x7F, KEY_HOME = 0x100 };

// The cursor a tool shows while nothing is dragged (the select tool's depends
// on what lies under the pointer).
int ToolCursor(int nTool);

class CViewController {
  public:
    CViewController(CSchemoDoc& doc, CViewCoords& coords, const CSpatialIndex& index,
                    IViewHost& host, CEditContext context);
    // A drag still running gives its primitives back to the document, which
    // must outlive the controller.
    ~CViewController();
    CViewController(const CViewController&) = delete;
    CViewController& operator=(const CViewController&) = delete;

    void OnLButtonDown(const CMouseInput& in);
    void OnMouseMove(const CMouseInput& in);
    void OnLButtonUp(const CMouseInput& in);
    void OnRButtonDown(const CMouseInput& in);
    void OnRButtonUp(const CMouseInput& in);
    void OnLButtonDblClk(const CMouseInput& in);
    // The middle button pans with any tool, as the hand does; false when the
    // press is not taken (a drag runs, or the view is stretched).
    bool OnMButtonDown(const CMouseInput& in);
    void OnMButtonUp(const CMouseInput& in);
    // Ctrl+wheel zooms about the pointer, Shift+wheel scrolls sideways, the
    // wheel alone scrolls its way.
    void OnWheel(const CWheelInput& in);
    // KEY_ESCAPE, KEY_DELETE, 'R', 'S', 'G' (either case); when idle also the
    // tools' letters, KEY_HOME, '+' and '-'. False for a key not taken.
    bool OnKeyDown(int nKey);
    void OnTimer();

    bool IsIdle() const { return m_pState == nullptr; }
    // At most one drag holds primitives: the one running.
    bool IsStateConsistent() const;
    // Ends any drag leaving the document exactly as it was before it; what
    // Escape does during a drag.
    void CancelDrag();
    // The pasted primitives hang on the mouse until a click places them.
    void StartPaste(CPrimitiveList prims);
    // G: the selection follows the pointer from this client point (or from
    // the right click that opened the context menu) with no button held, the
    // wires attached to it stretching, until a click.
    void StartWireDrag(CPoint ptClient);
    // The context menu has gone, after the command chosen in it ran.
    void OnMenuClosed() { m_bMenuShown = false; }
    // The symbol under the pointer goes when the pointer leaves the view or
    // the tool is no longer the macro tool.
    void OnMouseLeave();
    void OnToolChanged();
    const CMacro* Ghost() const;
    bool HasOverlay() const { return !IsIdle() || Ghost(); }

    // The dragged primitives in the selection colour with their point marks,
    // and the rubber band, over the window's picture; the surface gets the
    // view's mapping at the given device pixel ratio.
    void DrawOverlay(CSurface& dc, double dDevicePixelRatio = 1.0);

  private:
    friend class CBandState;
    friend class CPointDragState;
    friend class CMoveState;
    friend class CWireDragState;
    friend class CPanState;

    // view_controller.cpp: conversions, the start and end of drags
    CSurface& Dc();
    CPoint ToLogical(CPoint ptClient, bool bSnap = true) const;
    void Begin(CViewState& state);
    void End();
    void RefreshOverlay();
    void CheckState() const;

    // view_pick.cpp: the select tool's press and the context menu's pick
    void PressSelect(const CMouseInput& in, CPoint pt);
    void PressOnPrimitive(CPrimitive* p, int nHit, bool bCtrl, CPoint pt);
    void PickForMenu(const CMouseInput& in);
    void UpdateIdleCursor(CPoint ptClient);

    // view_ghost.cpp: the symbol the macro tool shows before the press
    void UpdateGhost(CPoint pt);
    bool TurnGhost(bool bMirror);

    // view_overlay.cpp: what the overlay covers (DrawOverlay draws it), from
    // what the drag running shows
    CRect OverlayBounds() const;
    const CPrimitiveList& Held() const;
    const CPrimitiveList& Wires() const;
    const CRect* Band() const;

    // view_pan_zoom.cpp: zoom and the auto-scroll
    void Zoom(CPoint pt, bool bIn);
    void FollowPointer(CPoint ptClient, bool bShift);
    bool ArmAutoScroll(CPoint ptClient);
    void StopAutoScroll();
    bool ScrollTowardsEdges();

    // view_keys.cpp: the keys of the tools and the zoom
    bool OnIdleKey(int nKey);

    CSchemoDoc& m_doc;
    CViewCoords& m_coords;
    const CSpatialIndex& m_index;
    IViewHost& m_host;
    const CEditContext m_ctx;

    CBandState m_band{*this};
    CPointDragState m_point{*this};
    CMoveState m_move{*this};
    CWireDragState m_wireDrag{*this};
    CPanState m_pan{*this};
    CViewState* m_pState = nullptr; // the drag running; none when idle

    CGhostSymbol m_ghost;
    CPoint m_ptLast{-1, -1};         // last logical point a drag processed
    CPoint m_ptLastDevice{0, 0};     // client point of the last press or move
    CPoint m_ptMenu{0, 0};           // client point of the right press that opened the context menu
    bool m_bMenuShown = false;       // until the context menu has gone
    CRect m_rcOverlay{0, 0, -1, -1}; // what the overlay covered last, edges included

    bool m_bTimerOn = false;
    int m_nTimerTicks = 0;
    int m_nEdgeMask = 0;       // 1 left, 2 top, 4 right, 8 bottom
    bool m_bShiftHeld = false; // at the last pointer input, for the auto-scroll's moves
};
