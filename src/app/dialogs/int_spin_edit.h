#pragma once
// A text box for a number with up/down arrows. The arrows stay within their
// bounds; what is typed is left as typed (even empty or out of range), for the
// receiver to accept or refuse.
#include <QAbstractSpinBox>

class CIntSpinEdit final : public QAbstractSpinBox {
    Q_OBJECT
  public:
    // nStart: where the arrows start while the box holds no number.
    CIntSpinEdit(QWidget* parent, int nMin, int nMax, int nStart);

    void SetText(const QString& text);
    void SetPlaceholder(const QString& text);
    void SelectAll();

    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int Current() const;

    int m_nMin, m_nMax;
    int m_nStart;
};
