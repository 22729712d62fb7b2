#include "app/config_dialog.h"

#include "app/message_box.h"
#include "view/config_values.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CConfigDlg::CConfigDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Impostazioni");
    const CConfigValues v = CConfigValues::From(g_settings);
    auto* layout = new QVBoxLayout(this);
    m_pSplit = new QCheckBox("Splitta le macro non standard", this);
    m_pSplit->setChecked(v.bSplit);
    layout->addWidget(m_pSplit);
    auto* group = new QGroupBox("Larghezza toolbar delle macro", this);
    auto* sizes = new QVBoxLayout(group);
    const char* names[3] = {"Piccola", "Media", "Grande"};
    for (int i = 0; i < 3; ++i) {
        m_pSize[i] = new QRadioButton(names[i], group);
        m_pSize[i]->setChecked(v.nMacrobarSize == i);
        sizes->addWidget(m_pSize[i]);
    }
    layout->addWidget(group);
    auto* form = new QFormLayout;
    m_pMicrons = new QLineEdit(QString::fromStdString(v.micronsText), this);
    form->addRow("Millesimi di mm per UL:", m_pMicrons);
    layout->addLayout(form);
    m_pPrintMirror = new QCheckBox(QString::fromUtf8("Stampa invertito in modalità PCB"), this);
    m_pPrintMirror->setChecked(v.bPrintMirror);
    layout->addWidget(m_pPrintMirror);
    m_pRegister = new QCheckBox("Registra i tipi di file a ogni avvio", this);
    m_pRegister->setChecked(v.bRegisterFileTypes);
    layout->addWidget(m_pRegister);
    m_pTabbed = new QCheckBox("Mostra i documenti come schede", this);
    m_pTabbed->setChecked(v.bTabbedView);
    layout->addWidget(m_pTabbed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Last in the tab order, so the keys that reach the other fields stay as they were.
    setTabOrder(buttons->button(QDialogButtonBox::Cancel), m_pTabbed);
}

void CConfigDlg::accept() {
    CConfigValues v;
    v.bSplit = m_pSplit->isChecked();
    for (int i = 0; i < 3; ++i)
        if (m_pSize[i]->isChecked()) v.nMacrobarSize = i;
    v.micronsText = m_pMicrons->text().toStdString();
    v.bPrintMirror = m_pPrintMirror->isChecked();
    v.bRegisterFileTypes = m_pRegister->isChecked();
    v.bTabbedView = m_pTabbed->isChecked();
    if (!v.ApplyTo(g_settings)) {
        ShowMessageBox(this, QMessageBox::Warning, "Tavolin",
                       "Immettere un numero intero compreso tra 1 e 1000.");
        m_pMicrons->setFocus();
        m_pMicrons->selectAll();
        return;
    }
    QDialog::accept();
}
