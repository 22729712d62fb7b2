#include "app/dialogs/message_box.h"

#include "app/frame/trace.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    TraceMessage(caption, text);
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    // In the interface's language whatever translations the system has.
    if (QAbstractButton* b = box.button(QMessageBox::Yes))
        b->setText(QCoreApplication::translate("CMessageBox", "&S\u00ec"));
    if (QAbstractButton* b = box.button(QMessageBox::No))
        b->setText(QCoreApplication::translate("CMessageBox", "&No"));
    if (QAbstractButton* b = box.button(QMessageBox::Cancel))
        b->setText(QCoreApplication::translate("CMessageBox", "Annulla"));
    return QMessageBox::StandardButton(box.exec());
}

int ShowChoiceBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                  const QString& text, const QStringList& buttons, int nDefault) {
    TraceMessage(caption, text);
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    QList<QPushButton*> pressed;
    for (const QString& b : buttons)
        pressed << box.addButton(b, QMessageBox::AcceptRole);
    box.setDefaultButton(pressed.value(nDefault));
    // Without a button of its own, Escape and the close box answer nothing.
    QPushButton* none = box.addButton(QMessageBox::Cancel);
    none->hide();
    box.setEscapeButton(none);
    box.exec();
    return int(pressed.indexOf(static_cast<QPushButton*>(box.clickedButton())));
}
