#include "app/message_box.h"

#include "app/trace.h"

#include <QAbstractButton>

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    TraceMessage(caption, text);
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    // In Italian whatever translations the system has.
    if (QAbstractButton* b = box.button(QMessageBox::Yes)) b->setText("&S\u00ec");
    if (QAbstractButton* b = box.button(QMessageBox::No)) b->setText("&No");
    if (QAbstractButton* b = box.button(QMessageBox::Cancel)) b->setText("Annulla");
    return QMessageBox::StandardButton(box.exec());
}
