#include "doc/files/autosave_writer.h"

#include "doc/files/safe_file.h"

#include <unistd.h>

CAutosaveWriter::CAutosaveWriter(Done onDone)
    : m_onDone(std::move(onDone)), m_thread([this] { Run(); }) {}

CAutosaveWriter::~CAutosaveWriter() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CAutosaveWriter::Write(const CAutosaveEntry& e, std::string text) {
    Queue({{e, std::move(text), false}});
}

void CAutosaveWriter::Queue(std::vector<CAutosaveJob> jobs) {
    if (jobs.empty()) return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (CAutosaveJob& job : jobs)
            m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void CAutosaveWriter::Flush() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_bBusy; });
}

void CAutosaveWriter::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || !m_jobs.empty(); });
        if (m_jobs.empty()) return; // stopping with nothing left to do
        CAutosaveJob job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_bBusy = true;
        lock.unlock();
        if (job.bRemove) {
            ::unlink(job.entry.dataPath.c_str());
            ::unlink(job.entry.infoPath.c_str());
        } else {
            // The bytes first: a side file never stands beside nothing.
            const bool bOk = WriteFileSafely(job.entry.dataPath, job.text, nullptr, 0600) &&
                             WriteFileSafely(job.entry.infoPath,
                                             CAutosaveStore::InfoText(job.entry), nullptr, 0600);
            if (m_onDone) m_onDone(job.entry, bOk);
        }
        lock.lock();
        m_bBusy = false;
        if (m_jobs.empty()) m_idle.notify_all();
    }
}
