// ScanFuzzer.cpp: the whole scan of a document, every picture written to memory.
#include "recovery/PictureFile.h"
#include "recovery/PictureFiles.h"
#include "recovery/PictureScanner.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Small enough that inputs of a fuzzer's sizes cross block edges, as large
// documents do with the default blocks.
constexpr size_t kBlockSize = 4096;
// A picture given up is removed from the disk by its path: below /dev/null
// no file can ever be, so nothing real is touched.
const char kOutputDirectory[] = "/dev/null/velmo-fuzz";

class MemoryPicture : public PictureFile {
public:
    using PictureFile::PictureFile;
    bool Write(const uint8_t* data, size_t size) override {
        m_bytes.insert(m_bytes.end(), data, data + size);
        return true;
    }
    bool Truncate(uint64_t size) override {
        if (size > m_bytes.size()) return false;
        m_bytes.resize(static_cast<size_t>(size));
        return true;
    }
    bool Close() override { return true; }

private:
    std::vector<uint8_t> m_bytes;
};

// The document is the fuzzer's input; the file it opens is only a handle,
// which the scanner closes at its end.
class MemoryFiles : public PictureFiles {
public:
    MemoryFiles(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    std::FILE* OpenDocument(const std::string&) override { return std::fopen("/dev/null", "rb"); }
    uint64_t DocumentLength(std::FILE*) override { return m_size; }
    bool SeekDocument(std::FILE*, uint64_t offset) override {
        m_position = std::min<uint64_t>(offset, m_size);
        return true;
    }
    size_t ReadDocument(std::FILE*, void* into, size_t size) override {
        size_t count = static_cast<size_t>(std::min<uint64_t>(size, m_size - m_position));
        if (count > 0) std::memcpy(into, m_data + m_position, count);
        m_position += count;
        return count;
    }
    bool MakeDirectory(const std::string&) override { return true; }
    bool Exists(const std::string&) override { return false; }
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        return std::make_unique<MemoryPicture>(path);
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    uint64_t m_position = 0;
};

class SilentReporter : public ScanReporter {
public:
    void ReportScanMessage(ScanMessage) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFiles files(data, size);
    SilentReporter reporter;
    PictureScanner(files, reporter, kBlockSize).Scan("document", kOutputDirectory);
    return 0;
}
