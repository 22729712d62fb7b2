#include "app/dialogs/number_dialog.h"

#include "app/frame/trace.h"
#include "qtlayer/qt_fontfaces.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {
constexpr int kMaxNumber = 100000000;

QSpinBox* Spin(int nMin, int nValue, const char* name) {
    auto* s = new QSpinBox;
    s->setRange(nMin, kMaxNumber);
    s->setValue(nValue);
    s->setObjectName(name);
    return s;
}
} // namespace

CNumberDlg::CNumberDlg(QWidget* parent, std::function<bool(const CNumbering&)> apply)
    : QDialog(parent), m_pPrefix(new QLineEdit("M")), m_pStart(Spin(0, 0, "1027")),
      m_pIncrement(Spin(1, 1, "1028")),
      m_pZeros(new QCheckBox(QCoreApplication::translate("CNumberDlg", "Aggiungi zeri"))),
      m_apply(std::move(apply)) {
    setWindowTitle(QCoreApplication::translate("CNumberDlg", "Numera in progressione"));
    m_pPrefix->setObjectName("1026");
    // What a key may hold, and no more than a key may be long.
    m_pPrefix->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9_]{0,8}"), m_pPrefix));
    connect(m_pPrefix, &QLineEdit::inputRejected, this, [] { Beep(); });
    m_pZeros->setObjectName("1029");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CNumberDlg", "Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QCoreApplication::translate("CNumberDlg", "Prefisso (opzionale):"), m_pPrefix);
    form->addRow(QCoreApplication::translate("CNumberDlg", "Numero di partenza:"), m_pStart);
    form->addRow(QCoreApplication::translate("CNumberDlg", "Incremento:"), m_pIncrement);
    form->addRow(m_pZeros);
    form->addRow(buttons);
}

CNumbering CNumberDlg::Values() const {
    CNumbering n;
    n.prefix = EncodeCp1252Lossy(m_pPrefix->text());
    n.nStart = m_pStart->value();
    n.nIncrement = m_pIncrement->value();
    n.bZeros = m_pZeros->isChecked();
    return n;
}

void CNumberDlg::accept() {
    // A number typed but not yet taken by its box counts as it reads.
    m_pStart->interpretText();
    m_pIncrement->interpretText();
    if (m_apply && !m_apply(Values())) return;
    QDialog::accept();
}
