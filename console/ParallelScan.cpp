// ParallelScan.cpp
#include "console/ParallelScan.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <thread>

ParallelScan::ParallelScan(const std::vector<ScanJob>& jobs, ScanDisk& disk,
                           FolderReader& folders)
    : m_jobs(jobs),
      m_disk(disk),
      m_folders(folders),
      m_reports(jobs.size()),
      m_done(jobs.size(), false) {}

void ParallelScan::Run(unsigned threadCount,
                       const std::function<void(const DocumentReport&)>& onReport,
                       const std::function<void()>& onTick) {
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < threadCount; ++i) threads.emplace_back([this] { Work(); });
    size_t reported = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    while (reported < m_jobs.size()) {
        // Woken for each document, this thread would cost the workers more
        // than their small documents do: it looks a few times a second, and
        // at once when the last one is done.
        m_changed.wait_for(lock, std::chrono::milliseconds(150),
                           [this] { return m_finished == m_jobs.size(); });
        size_t ready = reported;
        while (ready < m_jobs.size() && m_done[ready]) ++ready;
        lock.unlock();
        for (; reported < ready; ++reported) {
            onReport(m_reports[reported]);
            m_reports[reported] = DocumentReport();
        }
        onTick();
        lock.lock();
    }
    lock.unlock();
    for (std::thread& thread : threads) thread.join();
}

void ParallelScan::Work() {
    for (size_t i; (i = m_next++) < m_jobs.size();) {
        DocumentReport report = ScanSafely(m_jobs[i]);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reports[i] = std::move(report);
        m_done[i] = true;
        if (++m_finished == m_jobs.size()) m_changed.notify_one();
    }
}

// A document that cannot be scanned must not end the others. Once done, it
// counts for its whole length, however far its progress reports went.
DocumentReport ParallelScan::ScanSafely(const ScanJob& job) {
    uint64_t counted = 0;
    auto progress = [&](uint64_t done) {
        if (done > counted) {
            m_bytesDone += done - counted;
            counted = done;
        }
    };
    DocumentReport report;
    report.kinds = job.options.kinds;
    try {
        report = ScanOneDocument(job.document, job.outputFolder, m_disk, m_folders, progress,
                                 job.options);
    } catch (const std::exception& error) {
        report.path = job.document.path;
        report.failure = error.what();
    } catch (...) {
        report.path = job.document.path;
        report.failure = "the scan stopped unexpectedly";
    }
    progress(std::max(job.document.size, counted));
    return report;
}
