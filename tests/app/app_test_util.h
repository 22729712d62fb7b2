#pragma once
// What the widget tests share: one program runs every test class, with the
// settings kept apart from the user's.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

std::vector<std::function<QObject*()>>& TestClasses();
#define APP_TEST_CLASS(Class)                                                                      \
    [[maybe_unused]] static const bool g_b##Class =                                                \
        (TestClasses().push_back([] { return new Class; }), true);

// Lets `act` work in the next modal dialog of type T once it runs.
template <class T> void WhenModal(std::function<void(T*)> act) {
    if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget())) {
        act(dlg);
        if (dlg->isVisible()) dlg->reject(); // a failed check must not hang the test
        return;
    }
    QTimer::singleShot(10, [act] { WhenModal<T>(act); });
}

// Clicks `button` on the next message box (its reject when it has none).
inline void AnswerNextMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok) {
    WhenModal<QMessageBox>([button](QMessageBox* box) {
        if (QAbstractButton* b = box->button(button)) b->click();
    });
}

QPushButton* Button(QWidget* dlg, const char* text);
// The trace lines written while `act` runs.
QStringList Traced(const std::function<void()>& act);
