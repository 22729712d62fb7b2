#pragma once
// What the widget tests share: settings kept apart from the user's, and the
// answer to a message box that a modal loop is about to show.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

// Settings go to a test folder, empty at the start.
inline void IsolateSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

// Clicks `button` on the next message box shown (its reject when it has no
// such button), polling until one appears.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
            if (QAbstractButton* b = box->button(button))
                b->click();
            else
                box->reject();
            return;
        }
    QTimer::singleShot(10, [button] { AnswerNextMessageBox(button); });
}
