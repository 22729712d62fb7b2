#include "app/dialogs/config_dialog.h"
#include "app/frame/program_context.h"

#include "app/dialogs/message_box.h"
#include "app/platform/qt_profile_store.h"
#include "view/forms/config_values.h"
#include "view/program/ui_language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CConfigDlg::CConfigDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Impostazioni"));
    const CConfigValues v = CConfigValues::From(g_settings);
    auto* layout = new QVBoxLayout(this);
    m_pSplit = new QCheckBox(tr("Splitta le macro non standard"), this);
    m_pSplit->setChecked(v.bSplit);
    layout->addWidget(m_pSplit);
    auto* group = new QGroupBox(tr("Larghezza toolbar delle macro"), this);
    auto* sizes = new QVBoxLayout(group);
    const QString names[3] = {tr("Piccola"), tr("Media"), tr("Grande")};
    for (int i = 0; i < 3; ++i) {
        m_pSize[i] = new QRadioButton(names[i], group);
        m_pSize[i]->setChecked(v.nMacrobarSize == i);
        sizes->addWidget(m_pSize[i]);
    }
    layout->addWidget(group);
    auto* form = new QFormLayout;
    m_pMicrons = new QLineEdit(QString::fromStdString(v.micronsText), this);
    form->addRow(tr("Millesimi di mm per UL:"), m_pMicrons);
    layout->addLayout(form);
    m_pPrintMirror = new QCheckBox(tr("Stampa invertito in modalità PCB"), this);
    m_pPrintMirror->setChecked(v.bPrintMirror);
    layout->addWidget(m_pPrintMirror);
    m_pRegister = new QCheckBox(tr("Registra i tipi di file a ogni avvio"), this);
    m_pRegister->setChecked(v.bRegisterFileTypes);
    layout->addWidget(m_pRegister);
    m_pTabbed = new QCheckBox(tr("Mostra i documenti come schede"), this);
    m_pTabbed->setChecked(v.bTabbedView);
    layout->addWidget(m_pTabbed);
    auto* language = new QFormLayout;
    layout->addLayout(language);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    AddLanguage(language, buttons->button(QDialogButtonBox::Cancel));
    setTabOrder(m_pLanguage, m_pTabbed);
}

// Last in the tab order, so that the other fields are reached as they always were.
void CConfigDlg::AddLanguage(QFormLayout* form, QWidget* after) {
    m_pLanguage = new QComboBox(this);
    m_pLanguage->addItems({tr("Automatica"), tr("Italiano"), QStringLiteral("English")});
    m_nLanguage = ParseUiLanguage(CQtProfileStore().GetString(kUiLanguageSection, kUiLanguageKey));
    m_pLanguage->setCurrentIndex(m_nLanguage);
    form->addRow(tr("Lingua dell'interfaccia:"), m_pLanguage);
    setTabOrder(after, m_pLanguage);
}

void CConfigDlg::SaveLanguage() {
    const int nChosen = m_pLanguage->currentIndex();
    if (nChosen == m_nLanguage) return;
    CQtProfileStore().WriteString(kUiLanguageSection, kUiLanguageKey,
                                  UiLanguageValue(UiLanguage(nChosen)));
    ShowMessageBox(this, QMessageBox::Information, tr("Tavolin"),
                   tr("La lingua dell'interfaccia cambiera' al prossimo avvio di Tavolin."));
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
        ShowMessageBox(this, QMessageBox::Warning, tr("Tavolin"),
                       tr("Immettere un numero intero compreso tra 1 e 1000."));
        m_pMicrons->setFocus();
        m_pMicrons->selectAll();
        return;
    }
    SaveLanguage();
    QDialog::accept();
}
