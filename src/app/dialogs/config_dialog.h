#pragma once
// "Impostazioni": edits a copy of the settings; OK checks every field first
// and applies them all, "Annulla" changes nothing.
#include <QDialog>

class QCheckBox;
class QFormLayout;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CConfigDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit CConfigDlg(QWidget* parent);
    void accept() override;

  private:
    QCheckBox* m_pSplit;
    QRadioButton* m_pSize[3];
    QLineEdit* m_pMicrons;
    QCheckBox* m_pPrintMirror;
    QCheckBox* m_pRegister;
    QCheckBox* m_pTabbed;
    QComboBox* m_pLanguage;
    int m_nLanguage; // as stored: applied at the next start

    void AddLanguage(QFormLayout* form, QWidget* after);
    void SaveLanguage();
};
