#include "doc/scene/tile_workers.h"

void CWorkerGate::Checkpoint() {
    std::unique_lock<std::mutex> lock(m_workers.m_mutex);
    m_workers.Park(lock);
}

CTileWorkers::CTileWorkers(int nThreads) {
    for (int i = 0; i < std::max(1, nThreads); ++i)
        m_threads.emplace_back([this] { Run(); });
}

CTileWorkers::~CTileWorkers() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bEnd = true;
        m_nPauses = 0;
        m_queue.clear();
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads)
        t.join();
}

void CTileWorkers::Submit(Job job) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void CTileWorkers::Pause() {
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_nPauses;
    m_settled.wait(lock, [this] { return m_nParked == m_nRunning; });
}

void CTileWorkers::Resume() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_nPauses > 0) --m_nPauses;
        if (m_nPauses > 0) return;
    }
    m_wake.notify_all();
}

void CTileWorkers::WaitIdle() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_settled.wait(lock, [this] { return m_queue.empty() && m_nRunning == 0; });
}

// A running job waits while paused; its pause counts as standing still.
void CTileWorkers::Park(std::unique_lock<std::mutex>& lock) {
    if (m_nPauses == 0 || m_bEnd) return;
    ++m_nParked;
    m_settled.notify_all();
    m_wake.wait(lock, [this] { return m_nPauses == 0 || m_bEnd; });
    --m_nParked;
}

void CTileWorkers::Run() {
    CWorkerGate gate(*this);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bEnd || (m_nPauses == 0 && !m_queue.empty()); });
        if (m_bEnd) return;
        Job job = std::move(m_queue.front());
        m_queue.pop_front();
        ++m_nRunning;
        lock.unlock();
        job(gate);
        job = nullptr; // what the job holds goes before the interface hears it ended
        lock.lock();
        --m_nRunning;
        m_settled.notify_all();
    }
}
