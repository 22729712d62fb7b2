#pragma once
// The threads that draw the views' scenes, and the rule that keeps them off
// the documents: they run only while the interface thread waits for input or
// paints. Any other event pauses them before it is handled (a document may
// change), and they go on when the event loop is about to wait again.
#include <QEvent>
#include <QObject>

class CTileWorkers;

// Posted to a view when its workers have parts ready; handled while they run.
constexpr QEvent::Type TILES_READY_EVENT = QEvent::Type(QEvent::User + 71);

class CRenderGate final : public QObject {
  public:
    // The program's workers, one per core; the first call puts the gate on
    // the application.
    static CTileWorkers& Workers();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CRenderGate(CTileWorkers& workers);
    void Open();

    CTileWorkers& m_workers;
    bool m_bPaused = false;
};
