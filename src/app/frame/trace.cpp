#include "app/frame/trace.h"

#include <QApplication>

#include <cstdio>

namespace {
bool g_bTrace = false;
}

void EnableTrace(bool bOn) {
    g_bTrace = bOn;
}
bool IsTraceEnabled() {
    return g_bTrace;
}

void TraceLine(const QString& line) {
    if (!g_bTrace) return;
    const QByteArray bytes = line.toUtf8();
    std::fprintf(stderr, "%s\n", bytes.constData());
    std::fflush(stderr);
}

void TraceMessage(const QString& caption, const QString& text) {
    QString t = text;
    t.replace("\r\n", "\\n").replace('\n', "\\n").replace('\r', "\\n");
    TraceLine("MSG " + caption + "|" + t);
}

void Beep() {
    TraceLine("BEEP");
    QApplication::beep();
}
