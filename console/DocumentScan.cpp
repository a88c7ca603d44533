// DocumentScan.cpp
#include "console/DocumentScan.h"

#include "console/ExtractCommand.h"
#include "recovery/FileAccess.h"
#include "recovery/PictureFile.h"
#include "recovery/PictureFiles.h"
#include "recovery/PictureScanner.h"
#include "recovery/RunPaths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <limits>
#include <system_error>
#include <vector>

namespace {

std::string ErrnoText() { return std::generic_category().message(errno); }

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The disk seen by one scan: every call goes to the real one, and the first
// failure is kept in words a script's reader can act on. Picture files are
// refused in a folder the scan did not make itself.
class DocumentFiles : public PictureFiles {
public:
    explicit DocumentFiles(PictureFiles& disk) : m_disk(disk) {}

    std::FILE* OpenDocument(const std::string& path) override {
        std::FILE* document = m_disk.OpenDocument(path);
        if (document == nullptr) Note("cannot open the document (" + ErrnoText() + ")");
        return document;
    }

    uint64_t DocumentLength(std::FILE* document) override {
        uint64_t length = m_disk.DocumentLength(document);
        if (length != std::numeric_limits<uint64_t>::max()) m_documentBytes = length;
        return length;
    }

    bool SeekDocument(std::FILE* document, uint64_t offset) override {
        return m_disk.SeekDocument(document, offset);
    }

    size_t ReadDocument(std::FILE* document, void* into, size_t size) override {
        return m_disk.ReadDocument(document, into, size);
    }

    bool MakeDirectory(const std::string& path) override {
        m_folderMade = m_disk.MakeDirectory(path);
        if (!m_folderMade) Note("cannot make the output folder " + path + " (" + ErrnoText() + ")");
        return m_folderMade;
    }

    bool Exists(const std::string& path) override { return m_disk.Exists(path); }

    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        if (!m_folderMade) return nullptr;
        std::unique_ptr<PictureFile> picture = m_disk.CreatePicture(path);
        if (!picture) Note("cannot create " + path + " (" + ErrnoText() + ")");
        return picture;
    }

    bool FolderMade() const { return m_folderMade; }
    uint64_t DocumentBytes() const { return m_documentBytes; }
    const std::string& Failure() const { return m_failure; }

private:
    void Note(const std::string& failure) {
        if (m_failure.empty()) m_failure = failure;
    }

    PictureFiles& m_disk;
    bool m_folderMade = false;
    uint64_t m_documentBytes = 0;
    std::string m_failure;
};

// The scanner's own message, in English as the single-document form prints
// it; its progress goes on to the batch.
class MessageKeeper : public ScanReporter {
public:
    explicit MessageKeeper(const ScanProgressCallback& progress) : m_progress(progress) {}
    void ReportScanMessage(ScanMessage message) override { m_message = ScanMessageText(message); }
    void ReportProgress(uint64_t done, uint64_t) override {
        if (m_progress) m_progress(done);
    }
    const std::string& Message() const { return m_message; }

private:
    const ScanProgressCallback& m_progress;
    std::string m_message;
};

// Small documents get a small buffer: the scanner's default one, filled
// afresh for each of thousands of documents, would cost more than they do.
size_t BlockSizeFor(uint64_t documentBytes) {
    const uint64_t smallest = 64 * 1024;
    return static_cast<size_t>(std::min<uint64_t>(std::max(documentBytes + 16, smallest),
                                                  PictureScanner::kDefaultBlockSize));
}

void CountPictures(const std::string& folder, FolderReader& reader, DocumentReport& report) {
    std::vector<std::string> names;
    std::string failure;
    reader.List(folder, names, failure);
    for (const std::string& name : names) {
        if (EndsWith(name, ".jpg"))
            ++report.jpegCount;
        else if (EndsWith(name, ".gif"))
            ++report.pngCount;
    }
}

#ifdef _WIN32
// Folder names differ on Windows only if they differ beyond letter case.
std::string FolderKey(std::string folder) {
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folder;
}
#else
std::string FolderKey(const std::string& folder) { return folder; }
#endif

}  // namespace

OutputFolders::OutputFolders(const std::string& outputFolder, const std::string& suffix,
                             PictureFiles& disk)
    : m_outputPath(JoinPath(outputFolder, "")), m_suffix(suffix), m_disk(disk) {}

std::string OutputFolders::Claim(const std::string& documentPath) {
    std::string base = BuildOutputDirectory(m_outputPath, m_suffix, DocumentName(documentPath), "");
#ifdef _WIN32
    base = CollapseBackslashes(base);
#endif
    std::string folder = base;
    for (int number = 2; !IsFree(folder); ++number) folder = base + "-" + std::to_string(number);
    m_claimed.insert(FolderKey(folder));
    return folder;
}

bool OutputFolders::IsFree(const std::string& folder) {
    return m_claimed.count(FolderKey(folder)) == 0 && !m_disk.Exists(folder);
}

DocumentReport ScanOneDocument(const WalkedDocument& document, const std::string& outputFolder,
                               PictureFiles& disk, FolderReader& reader,
                               const ScanProgressCallback& progress) {
    DocumentReport report;
    report.path = document.path;
    if (!document.failure.empty()) {
        report.failure = document.failure;
        return report;
    }
    DocumentFiles files(disk);
    MessageKeeper messages(progress);
    ScanResult result = PictureScanner(files, messages, BlockSizeFor(document.size))
                            .Scan(document.path, outputFolder);
    report.bytes = files.DocumentBytes();
    report.completed = result.completed;
    if (!result.completed)
        report.failure = files.Failure().empty() ? messages.Message() : files.Failure();
    if (files.FolderMade()) {
        report.outputFolder = outputFolder;
        CountPictures(outputFolder, reader, report);
    }
    return report;
}
