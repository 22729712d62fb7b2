#pragma once
// One view's zoom, scroll position, stretch mode, grid and snap, and the
// arithmetic built on them: the screen mapping, snapping, the scroll bars and
// the zoom commands. Client sizes and pointer positions are in
// device-independent pixels; only the mapping knows the device pixel ratio.
#include "model/geometry.h"
#include "model/mapping.h"

// One scroll bar as the widget must set it: the positions it may take (which
// always hold nPos, also a negative one or one past the end), its page and
// arrow steps, and whether it is shown at all.
struct CScrollAxis {
    bool bVisible = false;
    int nMin = 0, nMax = 0; // position range
    int nPage = 0;          // visible size in logical units (page step)
    int nLine = 1;          // arrow step: the snap step
    int nPos = 0;
};

enum ScrollCode {
    SCROLL_LINE_BACK = 0, // left or up
    SCROLL_LINE_FORWARD,
    SCROLL_PAGE_BACK,
    SCROLL_PAGE_FORWARD,
    SCROLL_THUMB_POSITION,
    SCROLL_THUMB_TRACK,
    SCROLL_OTHER,
};

// A view's grid and snap, as the "Griglia e Snap" dialog edits them.
struct CGridSnap {
    int nGridX = 5, nGridY = 5; // 1..40
    int nSnapX = 5, nSnapY = 5; // 1..20
    bool bSnap = true;
    bool bShowGrid = true;
    bool bHideMacroOrigin = true;
};

constexpr double ZOOM_STEP = 1.3;
constexpr double MIN_SCALE = 0.1, MAX_SCALE = 20.0;
constexpr double WHEEL_PIXELS = 50.0; // one wheel notch, at any zoom

class CViewCoords {
  public:
    // 10 % to 2000 %; anything else, NaN included, pinned to the nearest end.
    static double ClampScale(double dScale);

    // Stores the zoom; true when zoom-dependent hit regions must be rebuilt
    // (zoom or stretch changed, or bForce).
    bool SetScale(double dScale, bool bStretch, bool bForce = false);
    double GetScale() const { return m_dScale; }
    void ScrollTo(int x, int y) { m_ptScroll = {x, y}; } // deliberately unclamped
    CPoint GetScrollPos() const { return m_ptScroll; }
    void SetClientSize(int cx, int cy) { m_szClient = {cx > 0 ? cx : 0, cy > 0 ? cy : 0}; }
    CSize GetClientSize() const { return m_szClient; }

    // The screen mapping; the viewport is multiplied by the device pixel
    // ratio, so a HiDPI surface shows the same picture with more pixels.
    void PrepareMapping(CMapping& map, double dDevicePixelRatio = 1.0) const;
    CPoint LPtoDP(CPoint pt, double dDevicePixelRatio = 1.0) const;
    CPoint DPtoLP(CPoint pt, double dDevicePixelRatio = 1.0) const;
    // The client area in logical units.
    CRect VisibleRect() const;

    // Rounds to the snap grid, halves and above away from zero; no-op with
    // snap off or a step below 2.
    CPoint SnapPoint(CPoint pt) const;

    // The scroll position that centres (x, y) at dScale, kept on the sheet.
    CPoint CenterOn(int x, int y, double dScale) const;
    // Zoom tool: by ZOOM_STEP (in) or its inverse, centring the point.
    bool ZoomTool(CPoint ptLogical, bool bIn);
    // Ctrl+wheel: the logical point under ptClient stays under it.
    bool ZoomAbout(CPoint ptClient, double dScale);
    // Zoom box value in percent (already checked 10..2000): zoom, back to (0, 0).
    bool ApplyZoomPercent(int nPercent);
    bool ToggleStretch();
    // Shows the box plus 5 % on each side, filling the tighter axis; an empty
    // box stands for the whole sheet.
    bool FitToWindow(CRect extent);
    void GoToMacroOrigin() { ScrollTo(90, 90); }
    // First zoom of a new view of a document of the given kind; the extent
    // is used only when the document has primitives.
    bool StartView(int nDocKind, bool bHasPrimitives, CRect extent);
    // A library component: 800 % from (90, 90), fitted only when it does not
    // lie wholly in the window that way.
    bool FrameComponent(bool bHasPrimitives, CRect extent);

    // Scroll bars: clamps a position past the end of the sheet back to it.
    CScrollAxis UpdateScrollBar(bool bVertical);
    // Change of position for a scroll-bar action; pure arithmetic.
    static int ScrollDelta(int nCode, int nPos, int nPage, int nStep, int nThumb);
    // Applies a scroll-bar action; answers the pixels the contents move by.
    int OnScroll(bool bVertical, int nCode, int nThumb);
    // Wheel notches, positive back (up or left); true when the view moved.
    bool OnWheel(bool bVertical, int nNotches);

    bool m_bPCBMode = false;
    bool m_bStretch = false;
    CGridSnap m_grid;

  private:
    double m_dScale = 1.0;
    CPoint m_ptScroll{0, 0};
    CSize m_szClient{0, 0};
};
