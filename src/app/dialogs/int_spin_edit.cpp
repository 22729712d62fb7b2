#include "app/dialogs/int_spin_edit.h"

#include <QLineEdit>

#include <algorithm>

CIntSpinEdit::CIntSpinEdit(QWidget* parent, int nMin, int nMax, int nStart)
    : QAbstractSpinBox(parent), m_nMin(nMin), m_nMax(std::max(nMin, nMax)),
      m_nStart(std::clamp(nStart, m_nMin, m_nMax)) {
    setAccelerated(true);
}

void CIntSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}
void CIntSpinEdit::SetPlaceholder(const QString& text) {
    lineEdit()->setPlaceholderText(text);
}
void CIntSpinEdit::SelectAll() {
    lineEdit()->selectAll();
}

// The number in the box, else the last one the arrows reached.
int CIntSpinEdit::Current() const {
    bool bOk = false;
    const int n = text().trimmed().toInt(&bOk);
    return bOk ? n : m_nStart;
}

void CIntSpinEdit::stepBy(int steps) {
    const long long n =
        std::clamp<long long>(Current() + static_cast<long long>(steps), m_nMin, m_nMax);
    m_nStart = int(n);
    lineEdit()->setText(QString::number(n));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CIntSpinEdit::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    const int n = Current();
    StepEnabled e = StepNone;
    if (n < m_nMax) e |= StepUpEnabled;
    if (n > m_nMin) e |= StepDownEnabled;
    return e;
}
