#pragma once
// The progress of a long export or print: after about a second a dialog with
// "Annulla" comes up and stays until the work ends. Until then only painting
// goes on; the dialog then keeps the user to itself.
#include "doc/scene/layer_walk.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

class CDrawProgress final : public IDrawProgress {
  public:
    CDrawProgress(QWidget* parent, const QString& text);
    ~CDrawProgress() override;
    CDrawProgress(const CDrawProgress&) = delete;
    CDrawProgress& operator=(const CDrawProgress&) = delete;

    bool Continue(double dDone) override;
    // "Annulla" was pressed.
    bool Stopped() const { return m_bStopped; }

  private:
    QWidget* m_pParent;
    QString m_text;
    QElapsedTimer m_clock;
    qint64 m_nLastLook = 0;
    std::unique_ptr<QProgressDialog> m_pDialog;
    bool m_bStopped = false;
};
