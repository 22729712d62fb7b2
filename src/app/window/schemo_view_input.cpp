// The view's mouse buttons, wheel and keys, handed to the editing logic in
// its own terms.
#include "app/frame/trace.h"
#include "app/window/schemo_view.h"

#include "view/editor/view_controller.h"

#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {
// A symbol just chosen in the macro bar is turned with R and S over the
// drawing: the keys come to the view unless another window's field has them.
bool FocusInABar() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (qobject_cast<QDockWidget*>(w)) return true;
    return !QApplication::focusWidget();
}
} // namespace

void CSchemoView::wheelEvent(QWheelEvent* event) {
    const QPoint p = event->position().toPoint();
    const QPoint delta = event->angleDelta();
    const auto mods = event->modifiers();
    CWheelInput in;
    in.ptClient = CPoint{p.x(), p.y()};
    in.nAngleX = delta.x();
    in.nAngleY = delta.y();
    in.bCtrl = (mods & Qt::ControlModifier) != 0;
    in.bShift = (mods & Qt::ShiftModifier) != 0;
    m_pCtl->OnWheel(in);
}

void CSchemoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        m_pCtl->OnMButtonDown(Input(event));
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) m_pCtl->OnLButtonDown(Input(event));
    if (event->button() == Qt::RightButton) m_pCtl->OnRButtonDown(Input(event));
}

void CSchemoView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pCtl->OnLButtonDblClk(Input(event));
}

namespace {
// The keys the drawing takes: Escape, Delete, the letters (R, S, G and the
// tools'), the zoom's "+" and "-" and Home.
int KeyForView(const QKeyEvent* event) {
    const int k = event->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k == Qt::Key_Escape) return KEY_ESCAPE;
    if (k == Qt::Key_Delete) return KEY_DELETE;
    if (k == Qt::Key_Plus) return '+';
    if (k == Qt::Key_Minus) return '-';
    return k == Qt::Key_Home ? KEY_HOME : 0;
}
} // namespace

// Shift pressed or let go: a segment being drawn turns straight or free at
// once, not at the next move.
void CSchemoView::ShiftChanged(bool bDown) {
    const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
    if (!viewport()->rect().contains(p)) return;
    CMouseInput in{CPoint{p.x(), p.y()}};
    in.bShift = bDown;
    m_pCtl->OnMouseMove(in);
}

void CSchemoView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift && !m_pCtl->IsIdle()) ShiftChanged(false);
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CSchemoView::keyPressEvent(QKeyEvent* event) {
    NoteInput();
    if (event->key() == Qt::Key_Shift && !m_pCtl->IsIdle()) ShiftChanged(true);
    const int nKey = KeyForView(event);
    Qt::KeyboardModifiers blocking = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (nKey == '+' || nKey == '-') blocking &= ~Qt::KeyboardModifiers(Qt::ControlModifier);
    const bool bPlain = !(event->modifiers() & blocking);
    if (nKey && bPlain && m_pCtl->OnKeyDown(nKey)) {
        TraceLine("KEY " + QKeySequence(event->key()).toString());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CSchemoView::mouseMoveEvent(QMouseEvent* event) {
    m_pCtl->OnMouseMove(Input(event));
    if (m_pCtl->Ghost() && !hasFocus() && FocusInABar()) setFocus(Qt::OtherFocusReason);
    if (IsTraceEnabled()) {
        const QPoint p = event->position().toPoint();
        TraceLine(QString("MOVE %1 %2").arg(p.x()).arg(p.y()));
    }
}

bool CSchemoView::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Leave:
        m_pCtl->OnMouseLeave();
        break;
    case QEvent::MouseMove: // a move that only points at something waits for nothing
        if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) break;
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        NoteInput();
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CSchemoView::ToolChanged() {
    m_pCtl->OnToolChanged();
}

void CSchemoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) m_pCtl->OnMButtonUp(Input(event));
    if (event->button() == Qt::LeftButton) m_pCtl->OnLButtonUp(Input(event));
    if (event->button() == Qt::RightButton) m_pCtl->OnRButtonUp(Input(event));
    TraceLine("RELEASE");
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

void CSchemoView::ContextMenuClosed() {
    m_pCtl->OnMenuClosed();
}

void CSchemoView::StartWireDrag() {
    setFocus(Qt::OtherFocusReason);
    const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
    m_pCtl->StartWireDrag(CPoint{p.x(), p.y()});
}
