#pragma once
// The editing state machine of one document view: what the mouse buttons, the
// pointer's movement, four keys and the auto-scroll timer do with each tool.
// Dragged primitives are out of the document while they follow the mouse; the
// window paints them with DrawOverlay over its picture of the drawing.
#include "view/editor/drag_set.h"
#include "view/editor/edit_context.h"
#include "view/editor/view_ghost.h"
#include "view/editor/wire_drag.h"
#include "view/viewport/view_coords.h"

class CSchemoDoc;
class CSpatialIndex;
class IViewHost;

// One mouse event: the pointer in client device-independent pixels and the
// modifier keys held.
struct CMouseInput {
    CPoint ptClient{0, 0};
    bool bCtrl = false;
    bool bShift = false;
    bool bAlt = false;
};

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

    bool IsIdle() const { return m_nMode == MODE_IDLE; }
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
    enum Mode { MODE_IDLE, MODE_BAND, MODE_POINT, MODE_MOVE, MODE_PAN };

    // view_controller.cpp: conversions, the start and end of drags
    CSurface& Dc();
    CPoint ToLogical(CPoint ptClient, bool bSnap = true) const;
    void Begin(Mode nMode);
    void End();
    void RefreshOverlay();
    void RightRelease(CPoint pt, bool bCancel);
    void CheckState() const;

    // view_pick.cpp: the select tool, the band and the context menu's pick
    void PressSelect(const CMouseInput& in, CPoint pt);
    void PressOnPrimitive(CPrimitive* p, int nHit, bool bCtrl);
    void MoveBand(CPoint pt);
    void EndBand(bool bSelect);
    void PickForMenu(const CMouseInput& in);
    void UpdateIdleCursor(CPoint ptClient);

    // view_move.cpp: moving the selection and pasting
    void StartMove();
    void TakeOutForMove();
    void MoveTo(CPoint pt);
    void FinishMove(CPoint pt);
    void TurnHeld(CPoint pt);
    void MirrorHeld();

    // view_points.cpp: point edits and new primitives
    void StartPointEdit(int nPoint);
    void StartNewPrimitive(CPoint pt);
    std::unique_ptr<CPrimitive> CreateForTool(int nTool, CPoint pt);
    void DragPointTo(CPoint pt);
    CPoint Straighten(const CMouseInput& in, CPoint pt) const;
    CPrimitive* PointPrimitive() const;
    void ReleasePoint(const CMouseInput& in, CPoint pt);
    void FinishText();
    void FinishPoint(const CMouseInput& in);

    // view_ghost.cpp: the symbol the macro tool shows before the press
    void UpdateGhost(CPoint pt);
    bool TurnGhost(bool bMirror);

    // view_overlay.cpp: what the overlay covers (DrawOverlay draws it)
    CRect OverlayBounds() const;

    // view_pan_zoom.cpp: pan, zoom and the auto-scroll
    void PanTo(CPoint pt);
    void EndPan(CPoint ptClient);
    void Zoom(CPoint pt, bool bIn);

    // view_keys.cpp: the keys of the tools and the zoom
    bool OnIdleKey(int nKey);
    void FollowPointer(CPoint ptClient, bool bShift);
    bool ArmAutoScroll(CPoint ptClient);
    void StopAutoScroll();
    bool ScrollTowardsEdges();

    CSchemoDoc& m_doc;
    CViewCoords& m_coords;
    const CSpatialIndex& m_index;
    IViewHost& m_host;
    const CEditContext m_ctx;

    Mode m_nMode = MODE_IDLE;
    CDragSet m_held;
    CWireDrag m_wires; // stretched by a move started with G
    CGhostSymbol m_ghost;
    CPoint m_ptAnchor{-1, -1};    // snapped point of the last left press
    CPoint m_ptLast{-1, -1};      // last logical point a drag processed
    CPoint m_ptLastDevice{0, 0};  // client point of the last press or move
    CPoint m_ptMenu{0, 0};        // client point of the right press that opened the context menu
    bool m_bMenuShown = false;    // until the context menu has gone
    CRect m_rcBand;               // anchor to pointer, not normalised
    int m_nDragPoint = -1;        // the point that follows the mouse
    CPoint m_ptPointBefore;       // where an edited point was before the press
    bool m_bNewPrimitive = false; // the point drag creates a primitive
    bool m_bFirstMove = false;    // a move or point edit whose primitives are still in the drawing
    CPrimitive* m_pPointEdit =
        nullptr;                     // the primitive whose point is edited, until it is taken out
    CRect m_rcOverlay{0, 0, -1, -1}; // what the overlay covered last, edges included

    bool m_bTimerOn = false;
    int m_nTimerTicks = 0;
    int m_nEdgeMask = 0;       // 1 left, 2 top, 4 right, 8 bottom
    bool m_bMiddlePan = false; // the pan is the middle button's, not the hand's
    bool m_bShiftHeld = false; // at the last pointer input, for the auto-scroll's moves
};
