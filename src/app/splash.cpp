#include "app/splash.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {
CSplashWnd* g_pSplash = nullptr;
constexpr int kWidth = 355, kHeight = 220;
} // namespace

void CSplashWnd::ShowOver(QWidget* owner) {
    if (g_pSplash) return;
    g_pSplash = new CSplashWnd(owner);
    g_pSplash->show();
    g_pSplash->repaint();
}

bool CSplashWnd::IsShown() {
    return g_pSplash != nullptr;
}

CSplashWnd::CSplashWnd(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    const QRect screen =
        (owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen())->geometry();
    move(screen.center() - QPoint(kWidth / 2, kHeight / 2));
    setCursor(Qt::ArrowCursor);
    qApp->installEventFilter(this);
    QTimer::singleShot(5000, this, [this] { HideSplash(); });
}

CSplashWnd::~CSplashWnd() {
    qApp->removeEventFilter(this);
    if (g_pSplash == this) g_pSplash = nullptr;
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    QSvgRenderer(QString(":/icons/splash.svg")).render(&p, QRectF(0, 0, kWidth, kHeight));
}

// The press is never swallowed: the splash only goes away before it is handled.
bool CSplashWnd::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplash();
        break;
    default:
        break;
    }
    return false;
}

void CSplashWnd::HideSplash() {
    qApp->removeEventFilter(this);
    if (g_pSplash == this) g_pSplash = nullptr;
    QWidget* owner = parentWidget();
    close();
    if (owner) owner->update();
}
