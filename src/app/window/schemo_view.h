#pragma once
// The window in which a document is shown and edited. Its scene cache keeps
// the sheet, grid and layers and repaints only what a document change or a
// scroll uncovers; marks, the macro origin and whatever a drag shows are
// painted over the scene, never into it.
#include "app/window/view_start.h"
#include "doc/document/document_observer.h"
#include "doc/scene/spatial_index.h"
#include "view/viewport/view_coords.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>

#include <functional>
#include <memory>

class CQtViewHost;
class CTiledScene;
class CSchemoDoc;
class CViewController;
class IViewFrame;

class CSchemoView final : public QAbstractScrollArea, public IDocumentObserver {
    Q_OBJECT
  public:
    // `start` may bring the index and the extent made for the document already.
    CSchemoView(CSchemoDoc& doc, IViewFrame* frame, QWidget* parent, CViewStart start = {});
    ~CSchemoView() override;

    // The first zoom: an empty drawing at 400 % from the sheet's corner, an
    // empty macro at 800 % about the macro origin, anything else fitted.
    void StartView();
    // Shows the library component just switched to (see CViewCoords).
    void FrameComponent();
    void FitToWindow();
    // Scrolls so that the logical point is in the middle, at the same zoom.
    void ShowPoint(CPoint pt);
    void SetZoom(double dPercent, int nOriginX, int nOriginY);
    // A zoom box value (10..2000 %): zoom, back to the sheet's corner.
    void ApplyZoomPercent(int nPercent);
    // The scroll bars and the whole scene again; with bMeasureAgain the
    // drawing's extent is measured again too.
    void Redraw(bool bMeasureAgain);

    const CViewCoords& Coords() const { return m_coords; }
    // Whoever changes them tells the view what follows: FollowCoords, Redraw.
    CViewCoords& Coords() { return m_coords; }
    // Editing: a drag in progress is cancelled before any command runs.
    bool IsIdle() const;
    void CancelDrag();
    // The pasted primitives hang on the mouse, at the pointer when it is over
    // the drawing, until a click places them.
    void StartPaste(CPrimitiveList prims);
    // The selection follows the pointer, its wires attached, until a click.
    void StartWireDrag();
    // The context menu opened by a right click here has gone.
    void ContextMenuClosed();
    // Called by the editing logic through its host.
    void InvalidateOverlay(const CRect& rcLogical);
    void FollowCoords(bool bZoomChanged);
    void OnTimer();
    // The frame's tool changed: the symbol under the pointer may go.
    void ToolChanged();
    CSchemoDoc& Document() { return m_doc; }
    const CSpatialIndex& Index() const { return m_index; }
    void OnDocumentChanged(const CDocChange& change) override;

    std::function<void()> m_onFirstPaint;        // once, at the first exact picture
    std::function<void()> m_onFirstFrame;        // once, at the first paint of any picture
    std::function<void()> m_onPainted;           // after every paint
    std::function<void(double)> m_onZoomChanged; // the zoom box follows
    std::function<void(const QString&)> m_onStatus;
    // Milliseconds from the first input not yet shown to the end of the paint
    // that shows it, and from the first change to a scene drawn complete.
    std::function<void(qint64)> m_onFrame, m_onSettled;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int, int) override {}
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The pointer leaving the drawing (for the scroll bars, too).
    bool viewportEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Frame(const std::function<void(bool bContent, CRect extent)>& frame);
    double Ratio() const;
    // After the zoom or stretch changed: regions go stale, the whole scene is drawn again.
    void ZoomChanged();
    // After the scroll position changed: the scene slides and only the strips are drawn.
    void Scrolled();
    CPoint DeviceOrigin() const;
    void UpdateScrollBars();
    void OnScrollAction(bool bVertical, int nAction);
    void OnScrollValue(bool bVertical, int nValue);
    void InvalidateAll();
    bool Extent(CRect& box);
    struct CMouseInput Input(const QMouseEvent* event) const;
    void ShiftChanged(bool bDown);
    void NoteInput();
    void NoteStale();
    void TellTimes();
    void TakeTiles();

    CSchemoDoc& m_doc;
    CSpatialIndex m_index;
    CViewCoords m_coords;
    std::unique_ptr<CTiledScene> m_pScene;
    QImage m_frame;
    // From an input to its first frame, and from an input or a change to the
    // exact picture; invalid: nothing waits.
    QElapsedTimer m_inputClock, m_settleClock;
    bool m_bPainted = false, m_bShown = false;
    // Until the view is first painted, or the user zooms or scrolls, the first
    // zoom follows the window's size (a window opened behind others, or before
    // the main window is shown, gets its real size later). What the user has
    // seen stays: resizes, activation and tabs keep the zoom and the scroll.
    bool m_bStartZoom = false;
    bool m_bExtentKnown = false;
    CRect m_extent;
    std::unique_ptr<CQtViewHost> m_pHost;
    std::unique_ptr<CViewController> m_pCtl;
};
