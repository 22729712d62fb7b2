#pragma once
// Threads that draw parts of a view's scene while the interface waits for
// input. The interface thread changes documents only while the workers are
// paused: Pause returns once every running job stands at a checkpoint, where
// it touches nothing of a document, and Resume lets them go on. A job that
// learns at a checkpoint that it is no longer wanted returns at once.
#include "doc/scene/layer_walk.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CTileWorkers;

// What a running job sees of its workers.
class CWorkerGate {
  public:
    explicit CWorkerGate(CTileWorkers& workers) : m_workers(workers) {}
    // Waits here while the workers are paused.
    void Checkpoint();

  private:
    CTileWorkers& m_workers;
};

class CTileWorkers final {
  public:
    using Job = std::function<void(CWorkerGate&)>;

    explicit CTileWorkers(int nThreads);
    ~CTileWorkers(); // drops what is queued and waits for the running jobs

    void Submit(Job job);
    // Until every running job stands at a checkpoint (or none runs); nests.
    void Pause();
    void Resume();
    // Until nothing is queued or running; not while paused.
    void WaitIdle();
    int Threads() const { return int(m_threads.size()); }

  private:
    friend class CWorkerGate;
    void Run();
    void Park(std::unique_lock<std::mutex>& lock);

    std::mutex m_mutex;
    std::condition_variable m_wake;    // a job arrived, a pause ended or the end came
    std::condition_variable m_settled; // a job parked, ended or the queue emptied
    std::deque<Job> m_queue;
    std::vector<std::thread> m_threads;
    int m_nPauses = 0;
    int m_nRunning = 0; // jobs between their start and their end
    int m_nParked = 0;  // of those, standing at a checkpoint while paused
    bool m_bEnd = false;
};

// A job's walk: it waits at the checkpoints and stops once no longer wanted.
class CGateProgress final : public IDrawProgress {
  public:
    CGateProgress(CWorkerGate& gate, const std::atomic<bool>& cancelled)
        : m_gate(gate), m_cancelled(cancelled) {}
    bool Continue(double) override {
        m_gate.Checkpoint();
        return !m_cancelled.load();
    }

  private:
    CWorkerGate& m_gate;
    const std::atomic<bool>& m_cancelled;
};
