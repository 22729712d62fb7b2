#pragma once
// What the editing logic of a view asks of the window that shows it. The Qt
// widget implements it; the tests implement it with a recording fake.
#include "model/geometry.h"

#include <string>

class CSurface;

enum ViewCursor {
    CURSOR_ARROW = 0,
    CURSOR_ZOOM,        // magnifying glass
    CURSOR_CROSS,       // drawing tools
    CURSOR_POINT,       // over a point of the only selected primitive
    CURSOR_MOVE,        // over a selected primitive's body
    CURSOR_HAND_CLOSED, // panning
    CURSOR_HAND_OPEN,   // hand tool, not panning
};

class IViewHost {
  public:
    virtual ~IViewHost() = default;

    // The frame's state the view reads.
    virtual int CurrentTool() const = 0;
    virtual int CurrentLayer() const = 0;
    // The macro chosen in the macro bar; empty when none.
    virtual std::string SelectedMacro() const = 0;
    // The view's Escape when idle: the frame's tool state follows it.
    virtual void EscapeTool() = 0;

    virtual void SetCapture(bool bCapture) = 0;
    virtual void SetCursor(int nCursor) = 0;
    virtual void Beep() = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    // A surface for hit tests, regions and text measures; the editing logic
    // gives it the view's mapping at one device-independent pixel per pixel.
    virtual CSurface& MeasureSurface() = 0;
    // The overlay (dragged primitives, rubber band) changed within this logical
    // rectangle; an empty rectangle means the whole window.
    virtual void InvalidateOverlay(const CRect& rcLogical) = 0;
    // The view's scroll position or zoom was changed by the logic: scroll bars,
    // zoom box and picture follow.
    virtual void ViewMoved(bool bZoomChanged) = 0;

    // The auto-scroll timer: one timer, re-armed with a new period.
    virtual void StartTimer(int nMilliseconds) = 0;
    virtual void StopTimer() = 0;
    // The pointer's position in client pixels now (for the auto-scroll).
    virtual CPoint PointerPosition() const = 0;

    // The property dialog for the selection, modal; true when it ended with OK.
    virtual bool RunPropertyDialog() = 0;
    // The context menu at a client point.
    virtual void ShowContextMenu(CPoint ptClient) = 0;
    // A command of the action table (ID_*), as the menus run it.
    virtual void RunCommand(int nId) = 0;
};
