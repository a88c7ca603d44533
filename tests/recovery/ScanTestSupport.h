// ScanTestSupport.h: documents, folders and results for the scanner tests.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/scan/PictureScanner.h"
#include "recovery/disk/ScanDisk.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path);
void WriteBytes(const fs::path& path, const std::string& bytes);
// A picture of tests/data.
std::string Fixture(const std::string& name);
// A document of tests/data/documents.
std::string Document(const std::string& name);
// Random bytes of a fixed seed; never a start signature.
std::string Filler(size_t size, unsigned seed = 1);
// A JPEG and a PNG (small.jpg, text-chunk.png) between filler.
std::string TwoPictureDocument();

// Files by name, with their content.
using Files = std::map<std::string, std::string>;
// Every regular file of a folder.
Files FilesIn(const fs::path& directory);

// A folder of its own for the running test, removed afterwards.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    const fs::path& Path() const { return m_path; }
    fs::path operator/(const std::string& name) const { return m_path / name; }

private:
    fs::path m_path;
};

class RecordingReporter : public ScanReporter {
public:
    void ReportScanMessage(ScanMessage message) override { messages.push_back(message); }
    std::vector<ScanMessage> messages;
};

// A document put together piece by piece, remembering where each piece lies.
class DocumentBuilder {
public:
    DocumentBuilder& Add(const std::string& bytes);
    DocumentBuilder& AddFiller(size_t size, unsigned seed = 1);
    // Filler up to the given document offset.
    DocumentBuilder& FillTo(size_t offset, unsigned seed = 1);
    size_t Size() const { return m_bytes.size(); }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

struct ScanOutcome {
    ScanResult result;
    std::vector<ScanMessage> messages;
    Files files;  // the output directory's files
    bool directoryExists = false;
    int picturesMade = 0;  // picture files the scan created, those it took back included
};

// Writes the document into the folder and scans it into folder/out.
ScanOutcome ScanBytes(const TestFolder& folder, const std::string& document,
                      size_t blockSize = PictureScanner::kDefaultBlockSize);
fs::path OutputDirectory(const TestFolder& folder);

// Runs the program as a script would, its output (and, when err is given,
// its errors) written to files; the program's exit status.
int RunProgram(const std::string& program, const std::string& arguments, const fs::path& out,
               const fs::path& err = fs::path());

// How a document's reading goes wrong, as on a failing disk or a network
// drive that goes away: the read fails, or the layer below throws, a
// standard exception or anything else.
enum class ReadTrouble { Fails, ThrowsError, ThrowsAnything };

// Bytes in memory as a document.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string bytes) : m_bytes(std::move(bytes)) {}
    uint64_t Size() const override { return m_bytes.size(); }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    FilePlace Place(uint64_t offset) override { return FilePlace::InFile(offset); }

private:
    std::string m_bytes;
};

// A document whose reads go wrong past so many of its bytes, as a disk goes
// wrong at a bad place. The reads before it are whole.
class TroubledSource : public ByteSource {
public:
    TroubledSource(std::unique_ptr<ByteSource> document, ReadTrouble trouble, uint64_t readable)
        : m_document(std::move(document)), m_trouble(trouble), m_readable(readable) {}

    uint64_t Size() const override { return m_document->Size(); }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override {
        return m_failed ? DataEnd::Failed : m_document->EndReason();
    }
    FilePlace Place(uint64_t offset) override { return m_document->Place(offset); }

private:
    std::unique_ptr<ByteSource> m_document;
    ReadTrouble m_trouble;
    uint64_t m_readable;
    bool m_failed = false;
};

// The real disk, but documents named so go wrong as a TroubledSource does.
class TroubledReads : public ScanDisk {
public:
    void Add(const std::string& fileName, ReadTrouble trouble, uint64_t readable);
    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override;

private:
    struct Trouble {
        ReadTrouble kind;
        uint64_t readable;
    };

    std::mutex m_mutex;
    std::map<std::string, Trouble> m_byName;
};

// A document of more than one read block (1 MB): small.jpg in its first
// block, text-chunk.png across the boundary. At kTroubleAt, in the second
// block past the PNG, a read that goes wrong stops the PNG's walk only when
// it throws.
std::string TwoBlockDocument();
constexpr uint64_t kTroubleAt = 1200 * 1024;
