// Fuzzers.cpp: the fuzz targets, one reader each, chosen by the definition
// VELMO_FUZZ_<reader> the target is built with. The scan target scans the
// whole document; the others read each stream, entry or group a reader hands
// them as the scanner reads it.
#include "ScanTestSupport.h"

#include "recovery/containers/compound/CompoundFile.h"
#include "recovery/bytes/InflateSource.h"
#include "recovery/disk/PictureFile.h"
#include "recovery/containers/rtf/RtfDocument.h"
#include "recovery/scan/UniquePictures.h"
#include "recovery/containers/WorkbookDrawing.h"
#include "recovery/containers/ZipPackage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Small enough that inputs of a fuzzer's sizes cross block edges, as large
// documents do with the default blocks (the scanner's 64 KB ones, a view's
// reads).
constexpr size_t kBlockSize = 4096;

// The bytes all views of one input may give together: a multiple of the
// input's size, as the scanner bounds inflation, so that an entry built to
// inflate without end costs the target no more than the scanner would.
struct ReadBudget {
    explicit ReadBudget(size_t inputSize) : left(inputSize * 64 + (1 << 20)) {}
    uint64_t left;
};

// Reads the view from its start, as the picture search does, then again from
// points within it after ReleaseCaches(), as the writing of its pictures does, and
// asks where a few of the bytes read lie. Aborts when a second read gives other
// bytes than the first: a view is read again only to write what the first
// read found.
[[maybe_unused]] void CheckView(ByteSource& view, ReadBudget& budget) {
    std::vector<uint8_t> first;
    uint8_t block[kBlockSize];
    while (budget.left > 0) {
        size_t wanted = static_cast<size_t>(std::min<uint64_t>(sizeof block, budget.left));
        size_t got = view.ReadAt(first.size(), block, wanted);
        budget.left -= std::min<uint64_t>(got, budget.left);
        first.insert(first.end(), block, block + got);
        if (got < wanted) break;
    }
    // The scanner asks only where a byte it read lies.
    if (!first.empty()) {
        view.Place(0);
        view.Place(first.size() - 1);
    }
    view.ReleaseCaches();

    // Later points first: each read before the last one makes an inflated
    // entry start over.
    for (uint64_t from : {first.size() / 2, first.size() / 3, size_t{0}}) {
        size_t wanted = std::min<size_t>(first.size() - from, 16 * kBlockSize);
        if (wanted == 0) continue;
        std::vector<uint8_t> again(wanted);
        size_t got = view.ReadAt(from, again.data(), wanted);
        if (got != wanted || std::memcmp(again.data(), first.data() + from, wanted) != 0) {
            std::fprintf(stderr,
                         "A view read again from %llu gave %zu bytes other than the %zu of its "
                         "first read\n",
                         static_cast<unsigned long long>(from), got, wanted);
            std::abort();
        }
        view.Place(from);
    }
}

// The document is the fuzzer's input; the pictures are written nowhere. A
// picture given up is removed from the disk by its path: below /dev/null no
// file can ever be, so nothing real is touched.
class MemoryDisk : public ScanDisk {
public:
    explicit MemoryDisk(std::string bytes) : m_bytes(std::move(bytes)) {}
    std::unique_ptr<ByteSource> OpenDocument(const std::string&) override {
        return std::make_unique<MemorySource>(m_bytes);
    }
    bool MakeDirectory(const std::string&) override { return true; }
    bool Exists(const std::string&) override { return false; }
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        struct NoFile : PictureFile {
            using PictureFile::PictureFile;
            bool Write(const uint8_t*, size_t) override { return true; }
            bool Close() override { return true; }
        };
        return std::make_unique<NoFile>(path);
    }

private:
    std::string m_bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    [[maybe_unused]] auto input = std::make_shared<MemorySource>(bytes);
    [[maybe_unused]] ReadBudget budget(size);
#if defined(VELMO_FUZZ_scan)
    MemoryDisk disk(bytes);
    RecordingReporter reporter;
    // Every picture's record and the comparison with pictures written
    // before are made too (the disk gives the document back for any file).
    UniquePictures written;
    ScanOptions options;
    options.digests = true;
    options.unique = &written;
    PictureScanner(disk, reporter, kBlockSize, options).Scan("document", "/dev/null/velmo-fuzz");
#elif defined(VELMO_FUZZ_zip)
    ZipPackage::ForEachEntry(input, std::make_shared<InflationBudget>(size),
                             [&](const ZipEntry& entry) { CheckView(*entry.data, budget); });
#elif defined(VELMO_FUZZ_compound)
    if (auto file = CompoundFile::Open(input))
        file->ForEachStream(
            [&](const std::string&, const std::string&, std::shared_ptr<ByteSource> stream) {
                CheckView(*stream, budget);
            });
#elif defined(VELMO_FUZZ_workbook)
    for (auto records :
         {WorkbookDrawing::Records::Drawings, WorkbookDrawing::Records::HeaderFooterPictures}) {
        ReadBudget own(size);
        if (auto drawing = WorkbookDrawing::Open(input, records)) CheckView(*drawing, own);
    }
#elif defined(VELMO_FUZZ_rtf)
    RtfDocument::ForEachDataGroup(
        input, [&](const RtfDataGroup& group) { CheckView(*group.data, budget); });
#else
#error "A fuzz target is built with VELMO_FUZZ_<reader> defined"
#endif
    return 0;
}
