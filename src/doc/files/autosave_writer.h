#pragma once
// Writes and removes autosave files on a thread of its own, in the order asked,
// so that the user interface waits only for the text to be made. A removal
// asked after a write happens after it. The destructor finishes what is queued.
#include "doc/files/autosave_store.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CAutosaveWriter {
  public:
    // Called on the writer's thread after each write, with whether it worked.
    using Done = std::function<void(const CAutosaveEntry&, bool bOk)>;

    explicit CAutosaveWriter(Done onDone);
    ~CAutosaveWriter();
    CAutosaveWriter(const CAutosaveWriter&) = delete;
    CAutosaveWriter& operator=(const CAutosaveWriter&) = delete;

    // The bytes, then the side file, each through the safe writer (0600).
    void Write(const CAutosaveEntry& e, std::string text);
    void Queue(std::vector<CAutosaveJob> jobs);
    // Waits until everything asked so far is done.
    void Flush();

  private:
    void Run();

    Done m_onDone;
    std::mutex m_mutex;
    std::condition_variable m_wake, m_idle;
    std::deque<CAutosaveJob> m_jobs;
    bool m_bBusy = false;
    bool m_bStop = false;
    std::thread m_thread;
};
