#include "app/platform/qt_view_host.h"

#include "app/dialogs/property_dialog.h"
#include "app/frame/trace.h"
#include "app/window/schemo_view.h"
#include "app/window/view_frame.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"
#include "view/commands/commands.h"
#include "view/viewport/view_paint.h"

#include <QCursor>
#include <QIcon>
#include <QPointer>

namespace {
QCursor CursorOf(int nCursor) {
    switch (nCursor) {
    case CURSOR_ZOOM: {
        static const QCursor zoom(QIcon(":/icons/tool-zoom.svg").pixmap(24, 24), 9, 10);
        return zoom;
    }
    case CURSOR_CROSS:
        return Qt::CrossCursor;
    case CURSOR_POINT:
        return Qt::PointingHandCursor;
    case CURSOR_MOVE:
        return Qt::SizeAllCursor;
    case CURSOR_HAND_CLOSED:
        return Qt::ClosedHandCursor;
    case CURSOR_HAND_OPEN:
        return Qt::OpenHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}
} // namespace

CQtViewHost::CQtViewHost(CSchemoView& view, IViewFrame* frame) : m_view(view), m_pFrame(frame) {
    QObject::connect(&m_timer, &QTimer::timeout, &view, [&view] { view.OnTimer(); });
}

CQtViewHost::~CQtViewHost() = default;

int CQtViewHost::CurrentTool() const {
    return m_pFrame ? m_pFrame->CurrentTool() : TOOL_SELECT;
}

int CQtViewHost::CurrentLayer() const {
    return m_pFrame ? m_pFrame->CurrentLayer() : 0;
}

std::string CQtViewHost::SelectedMacro() const {
    return m_pFrame ? m_pFrame->SelectedMacro() : std::string();
}

void CQtViewHost::EscapeTool() {
    if (m_pFrame) m_pFrame->EscapeTool();
}

void CQtViewHost::SetCursor(int nCursor) {
    m_view.viewport()->setCursor(CursorOf(nCursor));
}

void CQtViewHost::Beep() {
    ::Beep();
}

void CQtViewHost::SetStatusText(const std::string& text) {
    if (m_view.m_onStatus) m_view.m_onStatus(QString::fromStdString(text));
}

CSurface& CQtViewHost::MeasureSurface() {
    if (!m_pSurface) m_pSurface = std::make_unique<CQtSurface>(m_probe);
    return *m_pSurface;
}

void CQtViewHost::InvalidateOverlay(const CRect& rcLogical) {
    m_view.InvalidateOverlay(rcLogical);
}

void CQtViewHost::ViewMoved(bool bZoomChanged) {
    m_view.FollowCoords(bZoomChanged);
}

void CQtViewHost::StartTimer(int nMilliseconds) {
    m_timer.start(nMilliseconds);
}

void CQtViewHost::StopTimer() {
    m_timer.stop();
}

CPoint CQtViewHost::PointerPosition() const {
    const QPoint p = m_view.viewport()->mapFromGlobal(QCursor::pos());
    return {p.x(), p.y()};
}

bool CQtViewHost::RunPropertyDialog() {
    return ::RunPropertyDialog(&m_view, m_view.Document());
}

void CQtViewHost::ShowContextMenu(CPoint ptClient) {
    if (m_pFrame)
        m_pFrame->ShowContextMenu(m_view.viewport()->mapToGlobal(QPoint(ptClient.x, ptClient.y)),
                                  [view = QPointer<CSchemoView>(&m_view)] {
                                      if (view) view->ContextMenuClosed();
                                  });
}

void CQtViewHost::RunCommand(int nId) {
    if (m_pFrame) m_pFrame->RunCommand(nId);
}
