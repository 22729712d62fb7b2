#include "app/window/schemo_view.h"

#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/qt_view_host.h"
#include "app/platform/render_gate.h"
#include "doc/document/document.h"
#include "doc/document/settings.h"
#include "doc/scene/drawing_extent.h"
#include "doc/scene/regions.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_tiled_scene.h"
#include "qtlayer/qt_view_render.h"
#include "view/editor/view_controller.h"
#include "view/viewport/view_paint.h"
#include "view/viewport/zoom_text.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace {
// Widget pixels covering a rectangle of device pixels.
QRect ToWidget(const QRect& dev, double dpr) {
    const int l = int(std::floor(dev.left() / dpr)), t = int(std::floor(dev.top() / dpr));
    const int r = int(std::ceil((dev.right() + 1) / dpr)),
              b = int(std::ceil((dev.bottom() + 1) / dpr));
    return QRect(l, t, r - l, b - t);
}

QRect ToDevice(const QRect& w, double dpr) {
    const int l = int(std::floor(w.left() * dpr)), t = int(std::floor(w.top() * dpr));
    const int r = int(std::ceil((w.right() + 1) * dpr)), b = int(std::ceil((w.bottom() + 1) * dpr));
    return QRect(l, t, r - l, b - t);
}
} // namespace

CSchemoView::CSchemoView(CSchemoDoc& doc, IViewFrame* frame, QWidget* parent, CViewStart start)
    : QAbstractScrollArea(parent), m_doc(doc),
      m_index(start.index ? std::move(*start.index) : CSpatialIndex(doc.Primitives())),
      m_pScene(std::make_unique<CTiledScene>(CRenderGate::Workers())),
      m_bExtentKnown(start.bExtentKnown), m_extent(start.extent) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (bool bVertical : {false, true}) {
        QScrollBar* bar = bVertical ? verticalScrollBar() : horizontalScrollBar();
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bVertical](int a) { OnScrollAction(bVertical, a); });
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bVertical](int v) { OnScrollValue(bVertical, v); });
    }
    m_pScene->SetWake([this] { QCoreApplication::postEvent(this, new QEvent(TILES_READY_EVENT)); });
    m_doc.AddObserver(&m_index);
    m_doc.AddObserver(this);
    m_pHost = std::make_unique<CQtViewHost>(*this, frame);
    m_pCtl =
        std::make_unique<CViewController>(m_doc, m_coords, m_index, *m_pHost, ProgramEditContext());
}

CSchemoView::~CSchemoView() {
    m_pCtl.reset(); // gives a dragged selection back to the document
    m_doc.RemoveObserver(this);
    m_doc.RemoveObserver(&m_index);
}

double CSchemoView::Ratio() const {
    const double r = viewport()->devicePixelRatioF();
    return r > 0 ? r : 1.0;
}

// The drawing's extent, kept until it changes so that a resize fits again
// without walking it; only texts are measured (their bounds are generous).
bool CSchemoView::Extent(CRect& box) {
    if (!m_bExtentKnown) {
        m_extent = CRect{0, 0, -1, -1};
        MeasuredExtent(Pointers(m_doc.Primitives()), g_layers, m_extent);
        m_bExtentKnown = true;
    }
    box = m_extent;
    return HasBounds(box);
}

// The window's size and the drawing's extent go to one of the coordinates'
// ways of framing the drawing; the zoom box and the picture follow.
void CSchemoView::Frame(const std::function<void(bool bContent, CRect extent)>& frame) {
    m_coords.SetClientSize(viewport()->width(), viewport()->height());
    CRect box;
    const bool bContent = Extent(box);
    frame(bContent, box);
    ZoomChanged();
}

void CSchemoView::StartView() {
    Frame([this](bool b, CRect r) { m_coords.StartView(m_doc.GetDocKind(), b, r); });
    m_bStartZoom = true;
}

void CSchemoView::FrameComponent() {
    Frame([this](bool b, CRect r) { m_coords.FrameComponent(b, r); });
}

void CSchemoView::FitToWindow() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Frame([this](bool b, CRect r) { m_coords.FitToWindow(b ? r : CRect{}); });
    QApplication::restoreOverrideCursor();
}

void CSchemoView::SetZoom(double dPercent, int nOriginX, int nOriginY) {
    m_coords.SetScale(dPercent / 100, false);
    m_coords.ScrollTo(nOriginX, nOriginY);
    ZoomChanged();
}

void CSchemoView::ShowPoint(CPoint pt) {
    const CPoint pos = m_coords.CenterOn(pt.x, pt.y, m_coords.GetScale());
    m_coords.ScrollTo(pos.x, pos.y);
    Scrolled();
}

void CSchemoView::ApplyZoomPercent(int nPercent) {
    m_coords.ApplyZoomPercent(nPercent);
    ZoomChanged();
    setFocus();
}

void CSchemoView::ZoomChanged() {
    m_bStartZoom = false;
    UpdateScrollBars();
    InvalidateAll();
    if (m_onZoomChanged) m_onZoomChanged(m_coords.GetScale());
}

bool CSchemoView::IsIdle() const {
    return m_pCtl->IsIdle();
}

void CSchemoView::CancelDrag() {
    m_pCtl->CancelDrag();
}

void CSchemoView::OnTimer() {
    m_pCtl->OnTimer();
}

void CSchemoView::FollowCoords(bool bZoomChanged) {
    if (bZoomChanged)
        ZoomChanged();
    else
        Scrolled();
}

void CSchemoView::InvalidateOverlay(const CRect& rcLogical) {
    if (rcLogical.IsEmpty()) {
        viewport()->update();
        return;
    }
    const double dpr = Ratio();
    viewport()->update(ToWidget(ToQRect(DeviceRectOf(m_coords, dpr, rcLogical, 2)), dpr));
}

CPoint CSchemoView::DeviceOrigin() const {
    CMapping map;
    m_coords.PrepareMapping(map, Ratio());
    return map.GetViewportOrg();
}

void CSchemoView::Scrolled() {
    m_bStartZoom = false;
    UpdateScrollBars();
    if (!m_pScene->ScrollTo(DeviceOrigin())) return;
    NoteStale();
    viewport()->update();
}

void CSchemoView::UpdateScrollBars() {
    m_coords.SetClientSize(viewport()->width(), viewport()->height());
    for (bool bVertical : {false, true}) {
        QScrollBar* bar = bVertical ? verticalScrollBar() : horizontalScrollBar();
        const CScrollAxis a = m_coords.UpdateScrollBar(bVertical);
        const auto policy = a.bVisible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        if (bVertical)
            setVerticalScrollBarPolicy(policy);
        else
            setHorizontalScrollBarPolicy(policy);
        if (!a.bVisible) continue;
        const QSignalBlocker block(bar);
        bar->setRange(a.nMin, a.nMax);
        bar->setPageStep(a.nPage);
        bar->setSingleStep(a.nLine);
        bar->setValue(a.nPos);
    }
}

// Arrows and pages move by the view's own steps: the bar is told where to go.
void CSchemoView::OnScrollAction(bool bVertical, int nAction) {
    QScrollBar* bar = bVertical ? verticalScrollBar() : horizontalScrollBar();
    int nCode = SCROLL_OTHER;
    switch (nAction) {
    case QAbstractSlider::SliderSingleStepSub:
        nCode = SCROLL_LINE_BACK;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        nCode = SCROLL_LINE_FORWARD;
        break;
    case QAbstractSlider::SliderPageStepSub:
        nCode = SCROLL_PAGE_BACK;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        nCode = SCROLL_PAGE_FORWARD;
        break;
    case QAbstractSlider::SliderMove:
        nCode = SCROLL_THUMB_TRACK;
        break;
    default:
        return; // to the ends, by the bar's own arithmetic, through valueChanged
    }
    NoteInput();
    m_coords.OnScroll(bVertical, nCode, bar->sliderPosition());
    const CPoint pos = m_coords.GetScrollPos();
    bar->setSliderPosition(bVertical ? pos.y : pos.x);
    Scrolled();
}

void CSchemoView::OnScrollValue(bool bVertical, int nValue) {
    const CPoint pos = m_coords.GetScrollPos();
    if ((bVertical ? pos.y : pos.x) == nValue) return;
    NoteInput();
    m_coords.ScrollTo(bVertical ? pos.x : nValue, bVertical ? nValue : pos.y);
    Scrolled();
}

void CSchemoView::OnDocumentChanged(const CDocChange& change) {
    if (change.nKind == DOCCHANGE_MODIFIED) return;
    NoteInput(); // an edit, an undo or a command: its effect is what the user waits for
    if (change.nKind != DOCCHANGE_SELECTION) m_bExtentKnown = false;
    const QRegion marked = m_pScene->ApplyChange(change, m_coords, Ratio());
    if (marked.isEmpty()) return;
    NoteStale();
    for (const QRect& r : marked)
        viewport()->update(ToWidget(r, Ratio()));
}

void CSchemoView::NoteInput() {
    if (!m_inputClock.isValid()) m_inputClock.start();
    if (!m_settleClock.isValid()) m_settleClock.start();
}

void CSchemoView::NoteStale() {
    if (!m_settleClock.isValid()) m_settleClock.start();
}

// The paint after an input is its first frame; the paint that finds the scene
// exact completes the picture.
void CSchemoView::TellTimes() {
    if (!m_bShown) {
        m_bShown = true;
        if (m_onFirstFrame) m_onFirstFrame();
    }
    if (m_inputClock.isValid() && m_onFrame) m_onFrame(m_inputClock.elapsed());
    m_inputClock.invalidate();
    if (!m_pScene->IsSettled()) return;
    if (m_settleClock.isValid() && m_onSettled) m_onSettled(m_settleClock.elapsed());
    m_settleClock.invalidate();
    if (!m_bPainted) {
        m_bPainted = true;
        if (m_onFirstPaint) m_onFirstPaint();
    }
}

bool CSchemoView::event(QEvent* event) {
    if (event->type() != TILES_READY_EVENT) return QAbstractScrollArea::event(event);
    TakeTiles();
    return true;
}

void CSchemoView::TakeTiles() {
    const QRegion changed = m_pScene->TakeFinished();
    const double dpr = Ratio();
    if (changed.rectCount() > 8)
        viewport()->update(ToWidget(changed.boundingRect(), dpr));
    else
        for (const QRect& r : changed)
            viewport()->update(ToWidget(r, dpr));
    if (changed.isEmpty() && m_pScene->IsSettled() && m_settleClock.isValid())
        viewport()->update(); // the last part fell outside: the picture is complete all the same
}

void CSchemoView::InvalidateAll() {
    m_pScene->InvalidateAll(DeviceOrigin());
    NoteStale();
    viewport()->update();
}

void CSchemoView::paintEvent(QPaintEvent* event) {
    const double dpr = Ratio();
    const QSize dev = viewport()->size() * dpr;
    if (m_pScene->Resize(dev)) {
        NoteStale();
        m_frame = QImage(dev, QImage::Format_RGB32);
        UpdateScrollBars();
    }
    m_pScene->Render(m_coords, dpr, m_index, g_layers);
    const QImage& scene = m_pScene->Image();
    const QRect rc = ToDevice(event->rect(), dpr).intersected(scene.rect());
    {
        QPainter copy(&m_frame);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(rc.topLeft(), scene, rc);
    }
    PaintViewMarks(m_frame, rc, m_coords, dpr, m_doc.Selection(), g_layers);
    if (m_pCtl->HasOverlay()) {
        CQtSurface dc(m_frame);
        dc.SetMinPenPixels(std::max(1, int(std::lround(dpr))));
        m_pCtl->DrawOverlay(dc, dpr);
        if (const CMacro* ghost = IsTraceEnabled() ? m_pCtl->Ghost() : nullptr)
            TraceLine(QString("GHOST %1 %2").arg(ghost->GetPoint(0).x).arg(ghost->GetPoint(0).y));
    }
    m_frame.setDevicePixelRatio(dpr);
    QPainter(viewport()).drawImage(event->rect(), m_frame, rc);
    m_frame.setDevicePixelRatio(1);
    m_bStartZoom = false;
    if (m_onPainted) m_onPainted();
    TellTimes();
}

void CSchemoView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_bStartZoom) {
        StartView();
        return;
    }
    UpdateScrollBars();
    InvalidateAll();
}

void CSchemoView::Redraw(bool bMeasureAgain) {
    if (bMeasureAgain) m_bExtentKnown = false;
    UpdateScrollBars();
    InvalidateAll();
}
