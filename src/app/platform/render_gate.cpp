#include "app/platform/render_gate.h"

#include "doc/scene/tile_workers.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>

#include <thread>

namespace {
// Events that change no document: the workers may go on meanwhile.
bool LeavesDocuments(QEvent::Type type) {
    return type == QEvent::Paint || type == QEvent::UpdateRequest || type == QEvent::UpdateLater ||
           type == TILES_READY_EVENT;
}
} // namespace

CTileWorkers& CRenderGate::Workers() {
    static CTileWorkers workers(int(std::max(1u, std::thread::hardware_concurrency())));
    static QPointer<CRenderGate> gate;
    if (!gate && QCoreApplication::instance()) gate = new CRenderGate(workers);
    return workers;
}

CRenderGate::CRenderGate(CTileWorkers& workers)
    : QObject(QCoreApplication::instance()), m_workers(workers) {
    QCoreApplication::instance()->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { Open(); });
    // Until the loop first waits, the interface thread is busy starting.
    m_workers.Pause();
    m_bPaused = true;
}

void CRenderGate::Open() {
    if (!m_bPaused) return;
    m_bPaused = false;
    m_workers.Resume();
}

bool CRenderGate::eventFilter(QObject* watched, QEvent* event) {
    if (!m_bPaused && !LeavesDocuments(event->type())) {
        m_workers.Pause();
        m_bPaused = true;
    }
    return QObject::eventFilter(watched, event);
}
