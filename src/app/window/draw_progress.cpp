#include "app/window/draw_progress.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

namespace {
constexpr qint64 SHOW_AFTER_MS = 1000;
constexpr qint64 LOOK_EVERY_MS = 50;
constexpr int STEPS = 1000;
} // namespace

CDrawProgress::CDrawProgress(QWidget* parent, const QString& text)
    : m_pParent(parent), m_text(text) {
    m_clock.start();
}

CDrawProgress::~CDrawProgress() = default;

bool CDrawProgress::Continue(double dDone) {
    if (m_bStopped) return false;
    const qint64 now = m_clock.elapsed();
    if (now - m_nLastLook < LOOK_EVERY_MS) return true;
    m_nLastLook = now;
    if (!m_pDialog && now >= SHOW_AFTER_MS) {
        m_pDialog = std::make_unique<QProgressDialog>(
            m_text, QCoreApplication::translate("CDrawProgress", "Annulla"), 0, STEPS, m_pParent);
        m_pDialog->setWindowTitle("Tavolin");
        m_pDialog->setWindowModality(Qt::ApplicationModal);
        m_pDialog->setMinimumDuration(0);
        m_pDialog->setAutoReset(false);
        m_pDialog->setAutoClose(false);
        m_pDialog->show();
    }
    if (!m_pDialog) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    m_pDialog->setValue(int(dDone * STEPS));
    QApplication::processEvents();
    m_bStopped = m_pDialog->wasCanceled();
    return !m_bStopped;
}
