// ContainerReader.cpp
#include "recovery/ContainerReader.h"

#include "recovery/CompoundFile.h"
#include "recovery/FoundPictures.h"
#include "recovery/InflateSource.h"
#include "recovery/PictureFinder.h"
#include "recovery/RtfDocument.h"
#include "recovery/SliceSource.h"
#include "recovery/WorkbookDrawing.h"
#include "recovery/ZipPackage.h"

#include <cstring>
#include <vector>

namespace {

constexpr size_t kViewBlockSize = 64 * 1024;
// Inflated data is searched for pictures up to this many times its compressed
// size (and at least kSearchFloor bytes): real office entries stay far below,
// while an entry built to inflate without end is not read on for nothing.
constexpr uint64_t kPlausibleRatio = 64;
constexpr uint64_t kSearchFloor = 16 << 20;
// How far into an embedded object's data its container is looked for.
constexpr size_t kEmbeddedHeaderReach = 1024;

uint64_t InflatedSearchLimit(const ZipEntry& entry, uint64_t archiveSize) {
    uint64_t compressed = entry.compressedSize;
    if (compressed == ByteSource::kUnknownSize)
        compressed = archiveSize > entry.compressedStart ? archiveSize - entry.compressedStart : 0;
    if (compressed > (ByteSource::kUnknownSize - kSearchFloor) / kPlausibleRatio)
        return ByteSource::kUnknownSize;
    return compressed * kPlausibleRatio + kSearchFloor;
}

}  // namespace

ContainerReader::ContainerReader(FoundPictures& found, uint64_t documentSize)
    : m_found(found), m_budget(std::make_shared<InflationBudget>(documentSize)) {}

bool ContainerReader::IsContainer(ByteSource& source) {
    return CompoundFile::StartsWithSignature(source) || ZipPackage::StartsWithSignature(source) ||
           RtfDocument::StartsWithSignature(source);
}

void ContainerReader::Read(const std::shared_ptr<ByteSource>& source, int depth) {
    if (depth >= kDeepest) return;
    if (CompoundFile::StartsWithSignature(*source))
        ReadCompoundFile(source, depth);
    else if (ZipPackage::StartsWithSignature(*source))
        ReadZipPackage(source, depth);
    else if (RtfDocument::StartsWithSignature(*source))
        ReadRtf(source, depth);
}

void ContainerReader::ReadView(const std::shared_ptr<ByteSource>& view, int depth, int rank,
                               uint64_t searchLimit) {
    {
        PictureFinder finder(*view, kViewBlockSize);
        RecordingSink sink(m_found, view, rank);
        finder.Run(sink, searchLimit);
    }
    if (IsContainer(*view))
        Read(view, depth);
    else
        ReadEmbedded(view, depth);
    view->Rest();
}

void ContainerReader::ReadEmbedded(const std::shared_ptr<ByteSource>& view, int depth) {
    if (depth >= kDeepest) return;
    std::vector<uint8_t> head(kEmbeddedHeaderReach);
    head.resize(view->ReadAt(0, head.data(), head.size()));
    const auto& compound = CompoundFile::kSignature;
    const auto& zip = ZipPackage::kSignature;
    for (size_t at = 1; at + sizeof compound <= head.size(); ++at) {
        if (std::memcmp(&head[at], compound, sizeof compound) != 0 &&
            std::memcmp(&head[at], zip, sizeof zip) != 0)
            continue;
        uint64_t size =
            view->Size() == ByteSource::kUnknownSize ? ByteSource::kUnknownSize : view->Size() - at;
        Read(std::make_shared<SliceSource>(view, at, size), depth);
        return;
    }
}

void ContainerReader::ReadCompoundFile(const std::shared_ptr<ByteSource>& source, int depth) {
    auto file = CompoundFile::Open(source);
    if (!file) return;
    file->ForEachStream([&](const std::string& name, std::shared_ptr<ByteSource> stream) {
        ReadView(stream, depth + 1, ViewRank(depth + 1));
        if (!WorkbookDrawing::IsWorkbookStream(name)) return;
        // Its pictures are seen whole here, so this view outranks the stream's.
        if (auto drawing = WorkbookDrawing::Open(stream))
            ReadView(drawing, depth + 1, ViewRank(depth + 1, ViewJoins::Records));
    });
}

void ContainerReader::ReadZipPackage(const std::shared_ptr<ByteSource>& source, int depth) {
    uint64_t archiveSize = source->Size();
    ZipPackage::ForEachEntry(source, m_budget, [&](const ZipEntry& entry) {
        if (!entry.inflated) {
            ReadView(entry.data, depth + 1, ViewRank(depth + 1));
            return;
        }
        ReadView(entry.data, depth + 1, ViewRank(depth + 1),
                 InflatedSearchLimit(entry, archiveSize));
        // In the document file itself, compressed bytes that inflated cleanly
        // hold no picture of their own.
        if (depth == 0 && entry.inflated->Complete())
            m_found.Cover(entry.compressedStart,
                          entry.compressedStart + entry.inflated->CompressedBytesUsed());
    });
}

void ContainerReader::ReadRtf(const std::shared_ptr<ByteSource>& source, int depth) {
    RtfDocument::ForEachDataGroup(source, [&](std::shared_ptr<ByteSource> data) {
        ReadView(data, depth + 1, ViewRank(depth + 1));
    });
}
