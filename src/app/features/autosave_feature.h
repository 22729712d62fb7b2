#pragma once
// Autosave and recovery: a timer writes every modified document whose bytes
// changed since its last autosave, a clean save or a close drops its autosave,
// and at start the autosaves of instances that did not end cleanly are offered.
#include "doc/files/autosave_store.h"
#include "doc/files/autosave_writer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <map>

class CMainFrame;
class CMyMDIChildWnd;

class CAutosaveFeature final : public QObject {
    Q_OBJECT
  public:
    CAutosaveFeature(CMainFrame& frame, int nSeconds);
    // A clean end: the autosaves of closed documents go, and the lock with them.
    ~CAutosaveFeature() override;

    // Once the window is shown: offers what instances that did not end
    // cleanly left, then starts the timer.
    void Start();

    // Writes what changed now; the timer calls it.
    void AutosaveAll();

  private:
    struct CWatched {
        QPointer<CMyMDIChildWnd> child;
        CAutosaveEntry entry;
        std::size_t nHash = 0;
        bool bWritten = false;
    };
    void OfferOrphans();
    bool Restore(const CAutosaveEntry& e);
    CWatched& Watch(CMyMDIChildWnd* child);
    void Drop(CMyMDIChildWnd* child);
    void Written(const std::string& dataPath);

    CMainFrame& m_frame;
    CAutosaveStore m_store;
    CAutosaveWriter m_writer;
    std::map<CMyMDIChildWnd*, CWatched> m_watched; // keys are never dereferenced
    int m_nNext = 1;
    int m_nSeconds;
    QTimer m_timer;
};
