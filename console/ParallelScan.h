// ParallelScan.h: documents scanned on several threads, reported in order.
#pragma once

#include "console/DocumentScan.h"
#include "console/DocumentWalk.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class ScanDisk;

struct ScanJob {
    WalkedDocument document;
    std::string outputFolder;
    ScanOptions options;  // the kinds written, and what each picture's record holds
};

// Each thread scans one document at a time; the reports are handed over on
// the calling thread in the jobs' order, each as soon as it and all before
// it are done, whatever order the threads finish them in.
class ParallelScan {
public:
    ParallelScan(const std::vector<ScanJob>& jobs, ScanDisk& disk, FolderReader& folders);
    ParallelScan(const ParallelScan&) = delete;
    ParallelScan& operator=(const ParallelScan&) = delete;

    // onTick is called a few times a second and once at the end.
    void Run(unsigned threadCount, const std::function<void(const DocumentReport&)>& onReport,
             const std::function<void()>& onTick);
    // Bytes of the documents done so far, those being scanned included as far
    // as their scans have told; safe to ask from any thread.
    uint64_t BytesDone() const { return m_bytesDone; }

private:
    void Work();
    DocumentReport ScanSafely(const ScanJob& job);

    const std::vector<ScanJob>& m_jobs;
    ScanDisk& m_disk;
    FolderReader& m_folders;
    std::vector<DocumentReport> m_reports;
    std::vector<bool> m_done;
    size_t m_finished = 0;
    std::atomic<size_t> m_next{0};
    std::atomic<uint64_t> m_bytesDone{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};
