// The view's wheel and middle-button handling, beyond the editing tools: the
// wheel scrolls, Shift+wheel sideways, Ctrl+wheel zooms about the pointer and
// a middle-button drag pans with any tool.
#include "app/schemo_view.h"

#include "doc/settings.h"
#include "view/zoom_text.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int kLinesPerNotch = 3;
}

void CSchemoView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int nNotches = (std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : delta.x()) / 120;
    if (nNotches == 0) return;
    const CPoint old = DeviceOrigin();
    if (event->modifiers() & Qt::ControlModifier) {
        const QPoint p = event->position().toPoint();
        m_view.ZoomAbout(CPoint{p.x(), p.y()}, m_view.GetScale() * std::pow(ZOOM_STEP, nNotches));
        ZoomChanged();
        return;
    }
    if (m_view.m_bStretch) return;
    const bool bVertical = !(event->modifiers() & Qt::ShiftModifier) && delta.y() != 0;
    const int nCode = nNotches > 0 ? SCROLL_LINE_BACK : SCROLL_LINE_FORWARD;
    for (int i = 0; i < kLinesPerNotch * std::abs(nNotches); ++i) m_view.OnScroll(bVertical, nCode, 0);
    Scrolled(old);
}

void CSchemoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !m_view.m_bStretch) {
        m_bMiddlePan = true;
        m_ptPanStart = event->position().toPoint();
        m_ptPanScroll = m_view.GetScrollPos();
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
}

void CSchemoView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (m_bMiddlePan) {
        const double s = m_view.GetScale();
        const QPoint d = p - m_ptPanStart;
        const CPoint old = DeviceOrigin();
        m_view.ScrollTo(m_ptPanScroll.x - int(std::lround(d.x() / s)),
                        m_ptPanScroll.y - int(std::lround(d.y() / s)));
        Scrolled(old);
        return;
    }
    ShowReadout(p);
}

void CSchemoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && m_bMiddlePan) {
        m_bMiddlePan = false;
        viewport()->unsetCursor();
    }
}

void CSchemoView::ShowReadout(QPoint ptClient) {
    if (!m_onStatus) return;
    const CPoint lp = m_view.SnapPoint(m_view.DPtoLP(CPoint{ptClient.x(), ptClient.y()}));
    m_onStatus(QString::fromStdString(FormatReadout(lp, g_settings.nMicronsPerUnit)));
}
