// The view's wheel and middle-button handling, beyond the editing tools: the
// wheel scrolls, Shift+wheel sideways, Ctrl+wheel zooms about the pointer and
// a middle-button drag pans with any tool.
#include "app/schemo_view.h"

#include "doc/settings.h"
#include "view/view_controller.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

void CSchemoView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int nNotches = (std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : delta.x()) / 120;
    if (nNotches == 0) return;
    if (event->modifiers() & Qt::ControlModifier) {
        const QPoint p = event->position().toPoint();
        m_view.ZoomAbout(CPoint{p.x(), p.y()}, m_view.GetScale() * std::pow(ZOOM_STEP, nNotches));
        ZoomChanged();
        return;
    }
    if (m_view.m_bStretch) return;
    const bool bVertical = !(event->modifiers() & Qt::ShiftModifier) && delta.y() != 0;
    if (m_view.OnWheel(bVertical, nNotches)) Scrolled();
}

void CSchemoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !m_view.m_bStretch && m_pCtl->IsIdle()) {
        m_bMiddlePan = true;
        m_ptPanStart = event->position().toPoint();
        m_ptPanScroll = m_view.GetScrollPos();
        m_cursorBeforePan = viewport()->cursor();
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) m_pCtl->OnLButtonDown(Input(event));
    if (event->button() == Qt::RightButton) m_pCtl->OnRButtonDown(Input(event));
}

void CSchemoView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pCtl->OnLButtonDblClk(Input(event));
}

void CSchemoView::keyPressEvent(QKeyEvent* event) {
    int nKey = 0;
    switch (event->key()) {
    case Qt::Key_Escape: nKey = KEY_ESCAPE; break;
    case Qt::Key_Delete: nKey = KEY_DELETE; break;
    case Qt::Key_R: nKey = 'R'; break;
    case Qt::Key_S: nKey = 'S'; break;
    default: break;
    }
    const bool bPlain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (nKey && bPlain && m_pCtl->OnKeyDown(nKey)) return;
    QAbstractScrollArea::keyPressEvent(event);
}

void CSchemoView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (m_bMiddlePan) {
        const double s = m_view.GetScale();
        const QPoint d = p - m_ptPanStart;
        m_view.ScrollTo(m_ptPanScroll.x - int(std::lround(d.x() / s)),
                        m_ptPanScroll.y - int(std::lround(d.y() / s)));
        Scrolled();
        return;
    }
    m_pCtl->OnMouseMove(Input(event));
}

void CSchemoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && m_bMiddlePan) {
        m_bMiddlePan = false;
        viewport()->setCursor(m_cursorBeforePan);
        return;
    }
    if (event->button() == Qt::LeftButton) m_pCtl->OnLButtonUp(Input(event));
    if (event->button() == Qt::RightButton) m_pCtl->OnRButtonUp(Input(event));
}

CMouseInput CSchemoView::Input(const QMouseEvent* event) const {
    const QPoint p = event->position().toPoint();
    const auto mods = event->modifiers();
    return CMouseInput{CPoint{p.x(), p.y()}, (mods & Qt::ControlModifier) != 0,
                       (mods & Qt::ShiftModifier) != 0, (mods & Qt::AltModifier) != 0};
}

// The pasted primitives come to the pointer at once when it is over the
// drawing; otherwise with the pointer's first move there.
void CSchemoView::StartPaste(CPrimitiveList prims) {
    setFocus(Qt::OtherFocusReason);
    m_pCtl->StartPaste(std::move(prims));
    const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
    if (!m_pCtl->IsIdle() && viewport()->rect().contains(p))
        m_pCtl->OnMouseMove(CMouseInput{CPoint{p.x(), p.y()}});
}
