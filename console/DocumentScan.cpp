// DocumentScan.cpp
#include "console/DocumentScan.h"

#include "console/DocumentDisk.h"
#include "console/ExtractCommand.h"
#include "console/ScanRecorder.h"
#include "base/FileAccess.h"
#include "recovery/scan/PictureScanner.h"
#include "base/RunPaths.h"

#include <algorithm>

namespace {

// Small documents get a small buffer: the scanner's default one, filled
// afresh for each of thousands of documents, would cost more than they do.
size_t BlockSizeFor(uint64_t documentBytes) {
    const uint64_t smallest = 64 * 1024;
    return static_cast<size_t>(std::min<uint64_t>(std::max(documentBytes + 16, smallest),
                                                  PictureScanner::kDefaultBlockSize));
}

#ifdef _WIN32
std::string NameOf(const std::string& documentPath) { return DocumentName(documentPath); }
#else
// A backslash is a character of a name here, not a separator as in a
// Windows path.
std::string NameOf(const std::string& documentPath) {
    std::string name = documentPath.substr(documentPath.rfind('/') + 1);
    return name.substr(0, name.find('.'));
}
#endif

}  // namespace

OutputFolders::OutputFolders(const std::string& outputFolder, const std::string& suffix,
                             ScanDisk& disk)
    : m_outputPath(JoinPath(outputFolder, "")), m_suffix(suffix), m_disk(disk) {}

std::string OutputFolders::Claim(const std::string& documentPath) {
    std::string base = BuildOutputDirectory(m_outputPath, m_suffix, NameOf(documentPath), "");
#ifdef _WIN32
    base = CollapseBackslashes(base);
#endif
    std::string folder = base;
    for (int number = 2; !IsFree(folder); ++number) folder = base + "-" + std::to_string(number);
    m_claimed.insert(SameNameKey(folder));
    return folder;
}

bool OutputFolders::IsFree(const std::string& folder) {
    return m_claimed.count(SameNameKey(folder)) == 0 && !m_disk.Exists(folder);
}

DocumentReport ScanOneDocument(const WalkedDocument& document, const std::string& outputFolder,
                               ScanDisk& disk, FolderReader& reader,
                               const ScanProgressCallback& progress, ScanOptions options) {
    DocumentReport report;
    report.path = document.path;
    report.kinds = options.kinds;
    if (!document.failure.empty()) {
        report.failure = document.failure;
        return report;
    }
    ScanRecorder messages(progress);
    options.onlyIntoNewFolder = true;
    PictureScanner scanner(disk, messages, BlockSizeFor(document.size), options);
    std::string unexpected;
    ScanResult result = ScanCatching(scanner, document.path, outputFolder, unexpected);
    report.bytes = result.documentBytes;
    report.completed = result.completed;
    if (!unexpected.empty()) {
        report.failure = unexpected;
    } else if (!result.completed) {
        report.failure = FailureText(result.failure, reader);
        if (report.failure.empty() && messages.Message())
            report.failure = ScanMessageText(*messages.Message());
    }
    report.outputFolder = result.outputDirectory;
    report.pictures = result.picturesByKind;
    report.cut = result.cutByKind;
    report.files = std::move(messages.Records());
    return report;
}
