#pragma once
// Every message box and question of the program goes through here, so that
// each one is traced.
#include <QMessageBox>

QMessageBox::StandardButton
ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// A question with buttons of its own, in order, the first at nDefault: the
// index of the one pressed, or -1 when the question was closed or escaped.
int ShowChoiceBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                  const QString& text, const QStringList& buttons, int nDefault);
