// ContainerReader.cpp
#include "recovery/containers/ContainerReader.h"

#include "recovery/containers/compound/CompoundFile.h"
#include "recovery/candidates/FoundPictures.h"
#include "recovery/bytes/InflateSource.h"
#include "recovery/containers/OfficeArtPictures.h"
#include "recovery/pictures/PictureContent.h"
#include "recovery/search/PictureFinder.h"
#include "recovery/pictures/PictureHeaders.h"
#include "recovery/pictures/PictureKindTable.h"
#include "recovery/containers/PresentationObjects.h"
#include "recovery/containers/rtf/RtfDocument.h"
#include "recovery/containers/rtf/RtfPictureHeader.h"
#include "recovery/bytes/SliceSource.h"
#include "recovery/containers/WorkbookDrawing.h"
#include "recovery/containers/ZipPackage.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kViewBlockSize = 64 * 1024;
// Inflated data is searched for pictures as far as it plausibly inflates
// (and at least kSearchFloor bytes): an entry built to inflate without end is
// not read on for nothing.
constexpr uint64_t kSearchFloor = 16 << 20;
// How far into an embedded object's data its container is looked for.
constexpr size_t kEmbeddedHeaderReach = 1024;

uint64_t InflatedSearchLimit(const ZipEntry& entry, uint64_t archiveSize) {
    uint64_t compressed = entry.compressedSize;
    if (compressed == ByteSource::kUnknownSize)
        compressed = archiveSize > entry.compressedStart ? archiveSize - entry.compressedStart : 0;
    return PlausiblyInflated(compressed, kSearchFloor);
}

constexpr int64_t kEmuPerTwip = 635;

// The words' numbers may hold any 64-bit value: each saturates at the
// header's 32 bits, a product before it can overflow.
int32_t Saturated32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int32_t TwipsAsEmu(int64_t twips) {
    constexpr int64_t kMost = INT32_MAX / kEmuPerTwip + 1;
    return Saturated32(std::clamp<int64_t>(twips, -kMost, kMost) * kEmuPerTwip);
}

// A metafile's own records tell its window best; the group's words tell its
// extent when they do not, and its size on the page.
MetafileBounds RtfMetafileBounds(ByteSource& metafile, uint64_t size,
                                 const RtfPictureHeader& words) {
    MetafileBounds bounds = MetafileWindow(metafile, size);
    if (bounds.right == bounds.left) {
        bounds.right = Saturated32(words.width);
        bounds.bottom = Saturated32(words.height);
    }
    bounds.widthEmu = TwipsAsEmu(words.goalWidth);
    bounds.heightEmu = TwipsAsEmu(words.goalHeight);
    return bounds;
}

// The picture a container keeps as the whole of [0, size) of a view, its
// data ending there for the reason given.
bool RecordPicture(const std::shared_ptr<ByteSource>& view, FoundPictures& found,
                   const ViewName& name, PictureKind kind, uint64_t size, DataEnd dataEnd, int rank,
                   FoundPicture& picture) {
    if (size == 0) return false;
    picture.kind = kind;
    picture.source = view;
    picture.start = 0;
    bool whole = false;
    picture.end = PictureEndInRecord(*view, kind, 0, size, &whole);
    // Three bytes alone match too much: a JPEG whose structure breaks is
    // taken only from a JFIF start, as the plain search takes it, and only
    // when its markers hold an image.
    if (kind == PictureKind::Jpeg && !whole &&
        (!StartsWithJfif(*view, 0) || JpegWithoutImage(*view, 0)))
        return false;
    picture.place = view->Place(0);
    picture.rank = rank;
    picture.evidence = Evidence::Record;
    picture.walkedWhole = whole;
    picture.origin = Origin{found.KeepName(name), 0, false};
    // Still the record's picture where its data broke off inside it, but cut.
    picture.cutAtBreak = !whole && CutsPictures(dataEnd);
    return true;
}

// Where the data of a view whose size its container does not tell ends, and why.
uint64_t MeasuredSize(ByteSource& view, DataEnd& why) {
    why = DataEnd::Whole;
    if (view.Size() != ByteSource::kUnknownSize) return view.Size();
    std::vector<uint8_t> block(kViewBlockSize);
    uint64_t end = 0;
    for (size_t got; (got = view.ReadAt(end, block.data(), block.size())) > 0;) {
        end += got;
        if (got < block.size()) break;
    }
    why = view.EndReason();
    return end;
}

}  // namespace

ContainerReader::ContainerReader(FoundPictures& found, uint64_t documentSize)
    : m_found(found), m_budget(std::make_shared<InflationBudget>(documentSize)) {}

bool ContainerReader::IsContainer(ByteSource& source) {
    return CompoundFile::StartsWithSignature(source) || ZipPackage::StartsWithSignature(source) ||
           RtfDocument::StartsWithSignature(source);
}

// Only the document itself is looked through for a compound file whose
// header is lost: a stream inside one is no disk's victim of its own.
bool ContainerReader::IsDocumentContainer(ByteSource& document) {
    return IsContainer(document) || CompoundFile::LooksHeaderless(document);
}

void ContainerReader::Read(const std::shared_ptr<ByteSource>& source, int depth) {
    Read(source, ViewName(), depth);
}

void ContainerReader::Read(const std::shared_ptr<ByteSource>& source, const ViewName& name,
                           int depth) {
    if (depth >= kDeepest) return;
    if (CompoundFile::StartsWithSignature(*source) ||
        (depth == 0 && !IsContainer(*source) && CompoundFile::MayLackHeader(*source)))
        ReadCompoundFile(source, name, depth);
    else if (ZipPackage::StartsWithSignature(*source))
        ReadZipPackage(source, name, depth);
    else if (RtfDocument::StartsWithSignature(*source))
        ReadRtf(source, name, depth);
}

void ContainerReader::ReadView(const std::shared_ptr<ByteSource>& view, const ViewName& name,
                               int depth, int rank, uint64_t searchLimit,
                               std::vector<ViewSpan>* wholePictures) {
    {
        PictureFinder finder(*view, kViewBlockSize);
        RecordingSink sink(m_found, view, rank, name, wholePictures);
        finder.Run(sink, searchLimit);
    }
    if (IsContainer(*view))
        Read(view, name, depth);
    else
        ReadEmbedded(view, name, depth);
    view->ReleaseCaches();
}

void ContainerReader::ReadEmbedded(const std::shared_ptr<ByteSource>& view, const ViewName& name,
                                   int depth) {
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
        Read(std::make_shared<SliceSource>(view, at, size), name, depth);
        return;
    }
}

void ContainerReader::ReadDrawingView(const std::shared_ptr<ByteSource>& view,
                                      const ViewName& name, int depth, int rank) {
    std::vector<ViewSpan> wholePictures;
    ReadView(view, name, depth + 1, rank, ByteSource::kUnknownSize, &wholePictures);
    FindOfficeArtPictures(view, name, rank, m_found, m_budget, wholePictures);
}

void ContainerReader::ReadCompoundFile(const std::shared_ptr<ByteSource>& source,
                                       const ViewName& name, int depth) {
    auto file = CompoundFile::Open(source, m_found.Breaks());
    if (!file) return;
    file->ForEachStream([&](const std::string& streamName, const std::string& path,
                            std::shared_ptr<ByteSource> stream) {
        if (depth == 0 && stream->Size() != ByteSource::kUnknownSize)
            m_found.AddStream(stream, stream->Size());
        const ViewName streamView = Inside(name, path);
        ReadDrawingView(stream, streamView, depth, ViewRank(depth + 1));
        // A stream without a name comes from a lost directory, one with a
        // spoilt name from a damaged one: its content tells what it is.
        if (WorkbookDrawing::IsWorkbookStream(streamName) ||
            WorkbookDrawing::StartsLikeWorkbook(*stream))
            ReadWorkbookDrawings(stream, streamView, depth);
        if (PresentationObjects::IsPresentationStream(streamName) || streamName.empty())
            ReadPresentationObjects(stream, streamView, depth);
    });
    if (depth == 0 && file->Damaged()) m_found.NoteDamagedDocument();
}

// A workbook's pictures are seen whole in its joined drawing records, so
// those views outrank the stream's. Their places are told in the stream,
// where a user's viewer finds them.
void ContainerReader::ReadWorkbookDrawings(const std::shared_ptr<ByteSource>& stream,
                                           const ViewName& name, int depth) {
    for (auto records :
         {WorkbookDrawing::Records::Drawings, WorkbookDrawing::Records::HeaderFooterPictures}) {
        std::shared_ptr<WorkbookDrawing> drawing = WorkbookDrawing::Open(stream, records);
        if (!drawing) continue;
        ViewName drawingView = name;
        drawingView.offsetInNamed = [drawing](uint64_t offset) {
            return drawing->StreamOffset(offset);
        };
        ReadDrawingView(drawing, drawingView, depth, ViewRank(depth + 1, ViewJoins::Records));
    }
}

// A presentation's embedded objects, counted from 1 in the stream's order.
void ContainerReader::ReadPresentationObjects(const std::shared_ptr<ByteSource>& stream,
                                              const ViewName& name, int depth) {
    int number = 0;
    PresentationObjects::ForEachObject(stream, m_budget, [&](std::shared_ptr<ByteSource> object) {
        const ViewName objectView =
            Inside(name, "embedded object " + std::to_string(++number), "the object");
        ReadView(object, objectView, depth + 1, ViewRank(depth + 1));
    });
}

void ContainerReader::ReadZipPackage(const std::shared_ptr<ByteSource>& source,
                                     const ViewName& name, int depth) {
    uint64_t archiveSize = source->Size();
    ZipPackage::ForEachEntry(source, m_budget, [&](const ZipEntry& entry) {
        int rank = ViewRank(depth + 1);
        const ViewName entryView = Inside(name, entry.name, "the entry");
        if (!entry.inflated) {
            ReadView(entry.data, entryView, depth + 1, rank);
            if (archiveSize == ByteSource::kUnknownSize ||
                EndOf(entry.compressedStart, entry.data->Size()) > archiveSize)
                return;
            ReadPicturePart(entry.data, entryView, rank);
            return;
        }
        ReadView(entry.data, entryView, depth + 1, rank, InflatedSearchLimit(entry, archiveSize));
        if (!entry.inflated->Complete()) return;
        // Compressed bytes that inflated cleanly hold no picture of their own.
        m_found.Explain(*source, entry.compressedStart,
                        entry.compressedStart + entry.inflated->CompressedBytesUsed());
        ReadPicturePart(entry.data, entryView, rank);
    });
}

// An entry read to its end is explained; one that holds a picture file is
// that picture, as far as the picture's own structure goes.
void ContainerReader::ReadPicturePart(const std::shared_ptr<ByteSource>& part, const ViewName& name,
                                      int rank) {
    DataEnd dataEnd;
    uint64_t size = MeasuredSize(*part, dataEnd);
    m_found.Explain(*part, 0, size);
    std::optional<PictureKind> kind = PictureKindAt(*part, 0);
    FoundPicture picture;
    if (kind && !m_found.TellByRecord(part->Place(0), *kind) &&
        RecordPicture(part, m_found, name, *kind, size, dataEnd, rank, picture))
        m_found.Add(std::move(picture));
    part->ReleaseCaches();
}

void ContainerReader::ReadRtf(const std::shared_ptr<ByteSource>& source, const ViewName& name,
                              int depth) {
    RtfDocument::ForEachDataGroup(source, [&](const RtfDataGroup& group) {
        // Whatever the plain bytes show inside a copy for old readers is the copy.
        if (group.oldReadersCopy) {
            m_found.Explain(*source, group.wordsStart, group.textEnd);
            return;
        }
        const ViewName groupView = Inside(name,
                                          std::string(group.picture ? "picture" : "object data") +
                                              " group at " + HexOffset(group.wordsStart),
                                          "the group");
        ReadView(group.data, groupView, depth + 1, ViewRank(depth + 1));
        if (group.picture) ReadRtfPicture(*source, group, groupView, ViewRank(depth + 1));
    });
}

// A picture group's words tell its kind; its data is the picture, without
// the header a file of some kinds starts with.
void ContainerReader::ReadRtfPicture(ByteSource& text, const RtfDataGroup& group,
                                     const ViewName& name, int rank) {
    RtfPictureHeader words = ReadRtfPictureHeader(text, group.wordsStart);
    if (!words.kind) return;
    DataEnd dataEnd;
    uint64_t size = MeasuredSize(*group.data, dataEnd);
    m_found.Explain(*group.data, 0, size);
    FoundPicture picture;
    if (!RecordPicture(group.data, m_found, name, *words.kind, size, dataEnd, rank, picture))
        return;
    if (auto addHeader = KindInfo(picture.kind).fileHeader) {
        KeptPicture kept{*group.data, 0, size,
                         [&] { return RtfMetafileBounds(*group.data, size, words); }};
        if (!addHeader(kept, picture.header)) return;
    }
    m_found.Add(std::move(picture));
}
