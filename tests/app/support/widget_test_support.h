#pragma once
// What the widget tests share: finding a control by its text, answering the
// next modal dialog, the trace lines an action writes, typing, the wheel, and
// the program state put back after each case.
#include "app/bars/library_bar.h"
#include "app/frame/main_frame.h"
#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/window/child_frame.h"
#include "app/window/document_bar.h"
#include "app/window/schemo_view.h"
#include "doc/library/library_doc.h"
#include "format/library_files.h"
#include "model/prototypes.h"
#include "support/fake_ui.h"
#include "view/commands/commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdio>
#include <fstream>
#include <functional>
#include <unistd.h>

inline QClipboard* Clip() {
    return QGuiApplication::clipboard();
}

template <class T> T* Named(QObject* parent, const char* text) {
    for (T* child : parent->findChildren<T*>())
        if (child->text() == text) return child;
    qFatal("nothing named %s", text);
}

// Lets `act` work in the next modal dialog of type T once it runs.
template <class T> void WhenModal(std::function<void(T*)> act) {
    if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget())) {
        act(dlg);
        if (dlg->isVisible()) dlg->reject(); // a failed check must not hang the test
        return;
    }
    QTimer::singleShot(10, [act] { WhenModal<T>(act); });
}
inline void AnswerNextMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok) {
    WhenModal<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
}

// The trace lines written while `act` runs.
inline QStringList Traced(const std::function<void()>& act) {
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

inline void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
inline void Wheel(QWidget* w, int nDelta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, nDelta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

inline void StartWidgetTests() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}
inline void ResetProgramState() {
    QSettings().clear();
    g_settings = CSettings();
    g_layers = CLayerTable();
    g_library.folders.clear();
    g_library.cache.Clear();
    g_library.files.Clear();
    ResetPrototypes();
    Clip()->clear();
}

// The widget test classes, run one after the other by the test program.
int RunWindowTest(int argc, char** argv);
int RunFeaturesTest(int argc, char** argv);
int RunBarsTest(int argc, char** argv);
int RunDialogsTest(int argc, char** argv); // last: it leaves Qt speaking Italian
