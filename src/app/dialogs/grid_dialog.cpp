#include "app/dialogs/grid_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QSpinBox>

namespace {
QSpinBox* Spin(int nMax, int nValue, const char* name) {
    auto* s = new QSpinBox;
    s->setRange(1, nMax);
    s->setValue(nValue);
    s->setObjectName(name);
    return s;
}
} // namespace

bool RunGridSnapDialog(QWidget* parent, CGridSnap& v) {
    QDialog dlg(parent);
    dlg.setWindowTitle(QCoreApplication::translate("CGridDlg", "Griglia e Snap"));
    auto* gridX = Spin(40, v.nGridX, "1002");
    auto* gridY = Spin(40, v.nGridY, "1003");
    auto* snapX = Spin(20, v.nSnapX, "1006");
    auto* snapY = Spin(20, v.nSnapY, "1008");
    auto* showGrid = new QCheckBox(QCoreApplication::translate("CGridDlg", "Visualizza Griglia"));
    auto* snap = new QCheckBox(QCoreApplication::translate("CGridDlg", "Abilita Snap"));
    auto* hideOrigin =
        new QCheckBox(QCoreApplication::translate("CGridDlg", "Nascondi origine macro"));
    showGrid->setChecked(v.bShowGrid);
    snap->setChecked(v.bSnap);
    hideOrigin->setChecked(v.bHideMacroOrigin);

    auto* left = new QFormLayout;
    left->addRow(QCoreApplication::translate("CGridDlg", "Griglia X:"), gridX);
    left->addRow(QCoreApplication::translate("CGridDlg", "Griglia Y:"), gridY);
    left->addRow(showGrid);
    auto* right = new QFormLayout;
    right->addRow(QCoreApplication::translate("CGridDlg", "Snap X:"), snapX);
    right->addRow(QCoreApplication::translate("CGridDlg", "Snap Y:"), snapY);
    right->addRow(snap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CGridDlg", "Annulla"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    auto* grid = new QGridLayout(&dlg);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(hideOrigin, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
    if (dlg.exec() != QDialog::Accepted) return false;
    v = {gridX->value(),    gridY->value(),        snapX->value(),         snapY->value(),
         snap->isChecked(), showGrid->isChecked(), hideOrigin->isChecked()};
    return true;
}
