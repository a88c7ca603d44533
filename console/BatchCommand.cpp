// BatchCommand.cpp
#include "console/BatchCommand.h"

#include "console/CommandHelp.h"
#include "console/DocumentDisk.h"
#include "console/DocumentScan.h"
#include "console/DocumentWalk.h"
#include "console/ExtractCommand.h"
#include "console/JsonReport.h"
#include "console/ParallelScan.h"
#include "recovery/disk/ScanDisk.h"
#include "recovery/scan/UniquePictures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

struct Totals {
    size_t documents = 0;
    size_t failed = 0;
    KindCounts pictures{};
    KindCounts cut{};
    int allPictures = 0;
    uint64_t bytes = 0;

    void Add(const DocumentReport& report) {
        ++documents;
        failed += report.completed ? 0 : 1;
        for (size_t kind = 0; kind < kPictureKinds; ++kind) {
            pictures[kind] += report.pictures[kind];
            cut[kind] += report.cut[kind];
            allPictures += report.pictures[kind];
        }
        bytes += report.bytes;
    }
};

std::string Format(const char* pattern, double a, double b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

// The bytes come from the scans' own progress reports, so that the line moves
// also while one large document is being scanned.
std::string ProgressText(const Totals& totals, size_t count, uint64_t bytesDone,
                         uint64_t bytesInAll, double seconds) {
    const double share =
        bytesInAll > 0 ? std::min(1.0, double(bytesDone) / double(bytesInAll)) : 1.0;
    return std::to_string(totals.documents) + "/" + std::to_string(count) + " documents, " +
           Format("%.0f%%", 100 * share) + ", " +
           Format("%.1f MB/s", seconds > 0 ? bytesDone / seconds / 1e6 : 0.0) + ", " +
           std::to_string(totals.allPictures) + " pictures";
}

uint64_t BytesInAll(const std::vector<ScanJob>& jobs) {
    uint64_t bytes = 0;
    for (const ScanJob& job : jobs) bytes += job.document.size;
    return bytes;
}

std::string SummaryLine(const Totals& totals, const PictureKinds& kinds, double seconds) {
    return "velmo-extract: " + std::to_string(totals.documents) + " documents, " +
           std::to_string(totals.documents - totals.failed) + " completed, " +
           std::to_string(totals.failed) + " failed; " +
           PictureCountText(totals.pictures, totals.cut, kinds) + "; " +
           Format("%.1f MB in %.2f s", totals.bytes / 1e6, seconds);
}

// One line redrawn in place: each text overwrites the one before, and an
// empty text leaves the line blank with the cursor at its start.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : m_err(err) {}

    void Show(const std::string& text) {
        if (text.empty() && m_shown == 0) return;
        size_t blanks = m_shown > text.size() ? m_shown - text.size() : 0;
        m_err << '\r' << text << std::string(blanks, ' ') << (text.empty() ? "\r" : "")
              << std::flush;
        m_shown = text.size();
    }

private:
    std::ostream& m_err;
    size_t m_shown = 0;
};

// Each document in the order of the walk, with its output folder claimed in
// that order, so that the same call always names the same folders.
std::vector<ScanJob> PlanJobs(const BatchOptions& options, FolderReader& folders, ScanDisk& disk,
                              UniquePictures& written) {
    std::vector<ScanJob> jobs;
    ScanOptions scan;
    scan.kinds = options.kinds;
    // Digests cost time: only a report that shows them, or --unique, sums them.
    scan.digests = options.json || options.list;
    scan.unique = options.unique ? &written : nullptr;
    OutputFolders outputFolders(options.outputFolder, options.suffix, disk);
    for (WalkedDocument& document :
         WalkDocuments(options.inputs, options.recursive, folders, options.outputFolder)) {
        std::string folder = document.failure.empty() ? outputFolders.Claim(document.path) : "";
        jobs.push_back({std::move(document), folder, scan});
    }
    return jobs;
}

#ifdef _WIN32
const char kSeparators[] = "\\/";
#else
const char kSeparators[] = "/";
#endif

// The folder that holds the path's last level; empty for a root or a path
// of one level, which leave nothing above them to make.
std::string ParentFolder(const std::string& path) {
    const size_t nameEnd = path.find_last_not_of(kSeparators);
    if (nameEnd == std::string::npos) return "";
    const size_t nameStart = path.find_last_of(kSeparators, nameEnd);
    if (nameStart == std::string::npos) return "";
    const size_t parentEnd = path.find_last_not_of(kSeparators, nameStart);
    return path.substr(0, parentEnd == std::string::npos ? nameStart + 1 : parentEnd + 1);
}

// As mkdir -p: the missing parents first. A level that fails (or that
// another run made meanwhile) is left to the look that follows.
void MakeFolderAndParents(const std::string& folder, FolderReader& folders, ScanDisk& disk) {
    if (folder.empty() || folders.Examine(folder, true).type != EntryType::Missing) return;
    MakeFolderAndParents(ParentFolder(folder), folders, disk);
    disk.MakeDirectory(folder);
}

// The output folder is made when missing, with its parents, so that a job
// runner can name a folder per job anywhere; anything else there is unusable.
bool PrepareOutputFolder(const std::string& folder, FolderReader& folders, ScanDisk& disk) {
    MakeFolderAndParents(folder, folders, disk);
    return folders.Examine(folder, true).type == EntryType::Folder;
}

unsigned ThreadCount(const BatchOptions& options, size_t jobCount) {
    unsigned wanted = options.jobs != 0 ? options.jobs : std::thread::hardware_concurrency();
    return static_cast<unsigned>(
        std::min<size_t>(std::max(wanted, 1u), std::max<size_t>(jobCount, 1)));
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool progress,
             FolderReader& folders, ScanDisk& disk) {
    Clock::time_point start = Clock::now();
    if (!PrepareOutputFolder(options.outputFolder, folders, disk)) {
        err << "velmo-extract: cannot use " << options.outputFolder << " as the output folder\n";
        return kExtractUsage;
    }
    UniquePictures written;
    std::vector<ScanJob> jobs = PlanJobs(options, folders, disk, written);
    Totals totals;
    ProgressLine progressLine(err);
    auto seconds = [&start] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    const uint64_t bytesInAll = BytesInAll(jobs);
    ParallelScan scan(jobs, disk, folders);
    scan.Run(
        ThreadCount(options, jobs.size()),
        [&](const DocumentReport& report) {
            totals.Add(report);
            out << (options.json ? JsonLine(report) : TextLine(report)) << '\n';
            if (options.list && !options.json) out << PictureLines(report);
        },
        [&] {
            out << std::flush;
            if (progress)
                progressLine.Show(
                    ProgressText(totals, jobs.size(), scan.BytesDone(), bytesInAll, seconds()));
        });
    progressLine.Show("");
    err << SummaryLine(totals, options.kinds, seconds()) << '\n';
    return totals.failed == 0 ? kExtractCompleted : kExtractFailed;
}

int RunBatchCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err,
                    bool progress) {
    BatchOptions options;
    std::string error;
    if (!ParseBatchOptions(argc, argv, options, error)) {
        err << "velmo-extract: " << error << '\n' << BatchUsage();
        return kExtractUsage;
    }
    if (options.request == Request::Help) {
        out << HelpText();
        return kExtractCompleted;
    }
    if (options.request == Request::Version) {
        out << VersionText();
        return kExtractCompleted;
    }
    FolderReader folders;
    DocumentDisk disk(DocumentKinds::Files);
    return RunBatch(options, out, err, progress, folders, disk);
}

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}
