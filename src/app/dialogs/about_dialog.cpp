#include "app/dialogs/about_dialog.h"

#include "view/program/version.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString VersionLine() {
    return QString::fromLatin1(kVersionLine);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CAboutDlg", "Informazioni su Tavolin"));
    auto* row = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/tavolin.svg").pixmap(48, 48));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(VersionLine(), this));
    texts->addWidget(new QLabel(
        QCoreApplication::translate("CAboutDlg", "Questo programma e' freeware."), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("CAboutDlg", "OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    texts->addWidget(buttons);
    row->addLayout(texts);
}
