// ScanFuzzer.cpp: the whole scan of a document, every picture written to memory.
#include "InputBytes.h"

#include "recovery/PictureFile.h"
#include "recovery/PictureScanner.h"
#include "recovery/ScanDisk.h"

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
    bool Close() override { return true; }

private:
    std::vector<uint8_t> m_bytes;
};

// The document is the fuzzer's input, read where it lies.
class MemoryDisk : public ScanDisk {
public:
    MemoryDisk(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    std::unique_ptr<ByteSource> OpenDocument(const std::string&) override {
        return std::make_unique<InputBytes>(m_data, m_size);
    }
    bool MakeDirectory(const std::string&) override { return true; }
    bool Exists(const std::string&) override { return false; }
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        return std::make_unique<MemoryPicture>(path);
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};

class SilentReporter : public ScanReporter {
public:
    void ReportScanMessage(ScanMessage) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryDisk disk(data, size);
    SilentReporter reporter;
    PictureScanner(disk, reporter, kBlockSize).Scan("document", kOutputDirectory);
    return 0;
}
