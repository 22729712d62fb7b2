#include "app/frame/splash.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {
CSplashWnd* g_pSplash = nullptr;
constexpr int kWidth = 355, kHeight = 220;
const char* const kSubtitle =
    QT_TRANSLATE_NOOP("CSplashWnd", "Editor di schemi elettrici e circuiti stampati");

// The picture carries the Italian subtitle; the shown one takes its place.
QByteArray SplashPicture() {
    QFile file(":/icons/splash.svg");
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return svg.replace(
        kSubtitle, QCoreApplication::translate("CSplashWnd", kSubtitle).toHtmlEscaped().toUtf8());
}
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
    QSvgRenderer(SplashPicture()).render(&p, QRectF(0, 0, kWidth, kHeight));
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
