#include "app/trace.h"
#include "app_test_util.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

std::vector<std::function<QObject*()>>& TestClasses() {
    static std::vector<std::function<QObject*()>> classes;
    return classes;
}

QPushButton* Button(QWidget* dlg, const char* text) {
    for (QPushButton* b : dlg->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    qFatal("no button %s", text);
}

QStringList Traced(const std::function<void()>& act) {
    QTemporaryFile file;
    std::fflush(stderr);
    const int saved = dup(2);
    if (!file.open() || dup2(file.handle(), 2) < 0) return {"no trace"};
    EnableTrace(true);
    act();
    EnableTrace(false);
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    file.seek(0);
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    int nFailed = 0;
    for (const auto& make : TestClasses()) {
        const std::unique_ptr<QObject> test(make());
        nFailed += QTest::qExec(test.get(), argc, argv);
    }
    return nFailed;
}
