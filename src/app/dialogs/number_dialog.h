#pragma once
// "Numera in progressione": the prefix, the first number, the step and the
// zeros that renumber the keys of a library. OK hands the values to the
// document; the dialog stays open while it refuses them. Cancel changes nothing.
#include "doc/library/numbering.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QSpinBox;

class CNumberDlg final : public QDialog {
    Q_OBJECT
  public:
    CNumberDlg(QWidget* parent, std::function<bool(const CNumbering&)> apply);
    CNumbering Values() const;
    void accept() override;

  private:
    QLineEdit* m_pPrefix;
    QSpinBox* m_pStart;
    QSpinBox* m_pIncrement;
    QCheckBox* m_pZeros;
    std::function<bool(const CNumbering&)> m_apply;
};
