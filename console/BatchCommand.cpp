// BatchCommand.cpp
#include "console/BatchCommand.h"

#include "console/DocumentScan.h"
#include "console/DocumentWalk.h"
#include "console/ExtractCommand.h"
#include "console/JsonReport.h"
#include "recovery/PictureFiles.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

struct Job {
    WalkedDocument document;
    std::string outputFolder;
};

struct Totals {
    size_t documents = 0;
    size_t failed = 0;
    int jpegs = 0;
    int pngs = 0;
    uint64_t bytes = 0;

    void Add(const DocumentReport& report)
    {
        ++documents;
        failed += report.completed ? 0 : 1;
        jpegs += report.jpegCount;
        pngs += report.pngCount;
        bytes += report.bytes;
    }
};

std::string Format(const char* pattern, double a, double b = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

std::string ProgressLine(const Totals& totals, size_t count, double seconds)
{
    return std::to_string(totals.documents) + "/" + std::to_string(count) + " documents, "
        + Format("%.1f MB/s", seconds > 0 ? totals.bytes / seconds / 1e6 : 0.0) + ", "
        + std::to_string(totals.jpegs + totals.pngs) + " pictures";
}

std::string SummaryLine(const Totals& totals, double seconds)
{
    return "velmo-extract: " + std::to_string(totals.documents) + " documents, "
        + std::to_string(totals.documents - totals.failed) + " completed, "
        + std::to_string(totals.failed) + " failed; " + std::to_string(totals.jpegs + totals.pngs)
        + " pictures (" + std::to_string(totals.jpegs) + " JPEG, " + std::to_string(totals.pngs)
        + " PNG); " + Format("%.1f MB in %.2f s", totals.bytes / 1e6, seconds);
}

// Runs the jobs on a number of threads, one document per thread at a time,
// and hands the reports over in the jobs' order as soon as each one and all
// before it are done.
class ParallelScan {
public:
    ParallelScan(const std::vector<Job>& jobs, PictureFiles& disk, FolderReader& folders)
        : m_jobs(jobs), m_disk(disk), m_folders(folders), m_reports(jobs.size()),
          m_done(jobs.size(), false)
    {
    }

    template <typename OnReport, typename OnProgress>
    void Run(unsigned threadCount, OnReport onReport, OnProgress onProgress)
    {
        std::vector<std::thread> threads;
        for (unsigned i = 0; i < threadCount; ++i)
            threads.emplace_back([this] { Work(); });
        size_t reported = 0;
        std::unique_lock<std::mutex> lock(m_mutex);
        while (reported < m_jobs.size()) {
            // Woken for each document, this thread would cost the workers
            // more than their small documents do: it looks a few times a
            // second, and at once when the last one is done.
            m_changed.wait_for(lock, std::chrono::milliseconds(150),
                               [this] { return m_finished == m_jobs.size(); });
            size_t ready = reported;
            while (ready < m_jobs.size() && m_done[ready])
                ++ready;
            lock.unlock();
            for (; reported < ready; ++reported)
                onReport(m_reports[reported]);
            onProgress();
            lock.lock();
        }
        lock.unlock();
        for (std::thread& thread : threads)
            thread.join();
    }

private:
    void Work()
    {
        for (size_t i; (i = m_next++) < m_jobs.size();) {
            DocumentReport report = ScanSafely(m_jobs[i]);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_reports[i] = std::move(report);
            m_done[i] = true;
            if (++m_finished == m_jobs.size())
                m_changed.notify_one();
        }
    }

    // A document that cannot be scanned must not end the others.
    DocumentReport ScanSafely(const Job& job)
    {
        try {
            return ScanOneDocument(job.document, job.outputFolder, m_disk, m_folders);
        } catch (const std::exception& error) {
            DocumentReport report;
            report.path = job.document.path;
            report.failure = error.what();
            return report;
        }
    }

    const std::vector<Job>& m_jobs;
    PictureFiles& m_disk;
    FolderReader& m_folders;
    std::vector<DocumentReport> m_reports;
    std::vector<bool> m_done;
    size_t m_finished = 0;
    std::atomic<size_t> m_next{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

// The output folder is made when missing (one level, as the scanner makes
// its own); anything else there is unusable.
bool PrepareOutputFolder(const std::string& folder, FolderReader& folders, PictureFiles& disk)
{
    if (folders.Examine(folder, true).type == EntryType::Missing)
        disk.MakeDirectory(folder);
    return folders.Examine(folder, true).type == EntryType::Folder;
}

unsigned ThreadCount(const BatchOptions& options, size_t jobCount)
{
    unsigned wanted = options.jobs != 0 ? options.jobs : std::thread::hardware_concurrency();
    return static_cast<unsigned>(std::min<size_t>(std::max(wanted, 1u), std::max<size_t>(jobCount, 1)));
}

} // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool progress,
             FolderReader& folders, PictureFiles& disk)
{
    Clock::time_point start = Clock::now();
    if (!PrepareOutputFolder(options.outputFolder, folders, disk)) {
        err << "velmo-extract: cannot use " << options.outputFolder << " as the output folder\n";
        return kExtractUsage;
    }
    std::vector<Job> jobs;
    OutputFolders outputFolders(options.outputFolder, options.suffix, disk);
    for (WalkedDocument& document : WalkDocuments(options.inputs, options.recursive, folders)) {
        std::string folder = document.failure.empty() ? outputFolders.Claim(document.path) : "";
        jobs.push_back({std::move(document), folder});
    }
    Totals totals;
    std::string shownProgress;
    auto seconds = [&start] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    auto showProgress = [&](const std::string& line) {
        std::string padding(shownProgress.size() > line.size() ? shownProgress.size() - line.size() : 0, ' ');
        err << '\r' << line << padding << (line.empty() ? "\r" : "") << std::flush;
        shownProgress = line;
    };
    ParallelScan scan(jobs, disk, folders);
    scan.Run(
        ThreadCount(options, jobs.size()),
        [&](const DocumentReport& report) {
            totals.Add(report);
            out << (options.json ? JsonLine(report) : TextLine(report)) << '\n';
        },
        [&] {
            out << std::flush;
            if (progress)
                showProgress(ProgressLine(totals, jobs.size(), seconds()));
        });
    if (progress)
        showProgress("");
    err << SummaryLine(totals, seconds()) << '\n';
    return totals.failed == 0 ? kExtractCompleted : kExtractFailed;
}

int RunBatchCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err,
                    bool progress)
{
    BatchOptions options;
    std::string error;
    if (!ParseBatchOptions(argc, argv, options, error)) {
        err << "velmo-extract: " << error << '\n' << kBatchUsageText << '\n';
        return kExtractUsage;
    }
    FolderReader folders;
    PictureFiles disk;
    return RunBatch(options, out, err, progress, folders, disk);
}

bool StderrIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}
