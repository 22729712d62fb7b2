#include "app/dialogs/field_validator.h"

#include "app/frame/trace.h"

#include <QLineEdit>
#include <QValidator>

namespace {
bool IsRefused(QChar c) {
    return c == QChar(']') || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

int CountRefused(const QString& s) {
    int n = 0;
    for (QChar c : s)
        n += IsRefused(c);
    return n;
}

// The allowance follows every change of the text, the program's and the
// user's alike: an edit can only keep or drop the refused characters there
// are, never add one.
class CHeaderFieldValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    int m_nAllowed = 0;
    State validate(QString& input, int&) const override {
        return CountRefused(input) > m_nAllowed ? Invalid : Acceptable;
    }
};
} // namespace

void LimitHeaderField(QLineEdit* edit, bool bBeep) {
    auto* v = new CHeaderFieldValidator(edit);
    v->m_nAllowed = CountRefused(edit->text());
    edit->setValidator(v);
    QObject::connect(edit, &QLineEdit::textChanged, v,
                     [v](const QString& text) { v->m_nAllowed = CountRefused(text); });
    if (bBeep) QObject::connect(edit, &QLineEdit::inputRejected, v, [] { Beep(); });
}
