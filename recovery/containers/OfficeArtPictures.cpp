// OfficeArtPictures.cpp
#include "recovery/containers/OfficeArtPictures.h"

#include "recovery/bytes/DocumentReader.h"
#include "recovery/candidates/FoundPictures.h"
#include "recovery/bytes/InflateSource.h"
#include "recovery/pictures/PictureContent.h"
#include "recovery/pictures/PictureHeaders.h"
#include "recovery/pictures/PictureKindTable.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr size_t kRecordHeaderSize = 8;
constexpr size_t kIdentifierSize = 16;
constexpr size_t kMetafileHeaderSize = 34;
constexpr size_t kBitmapTagSize = 1;
constexpr size_t kSearchBlockSize = 64 * 1024;
constexpr uint8_t kRecordTypeHigh = 0xF0;
constexpr uint8_t kDeflated = 0x00;
constexpr uint8_t kStored = 0xFE;
constexpr uint8_t kNoFilter = 0xFE;

struct Record {
    const PictureKindInfo* kind;
    uint64_t start;  // the record header's first byte in the view
    uint64_t end;    // after its last byte
    uint64_t data;   // after the identifiers
};

// A kind's row lists fewer values than it has room for; the rest are zero.
template <size_t N>
bool Lists(const uint16_t (&values)[N], uint16_t value) {
    return value != 0 && std::find(std::begin(values), std::end(values), value) != std::end(values);
}

// The kind whose records have the type and instance, if any; an odd
// instance is its even one with two identifiers.
const PictureKindInfo* RecordKind(uint16_t type, uint16_t instance) {
    uint16_t oneIdentifier = instance & ~1u;
    for (const PictureKindInfo& info : kPictureKindTable) {
        if (Lists(info.officeArt.types, type) && Lists(info.officeArt.instances, oneIdentifier))
            return &info;
    }
    return nullptr;
}

bool ReadRecordHeader(const uint8_t* header, uint64_t start, Record& record) {
    uint16_t versionAndInstance = Little16(header);
    if ((versionAndInstance & 0x0F) != 0) return false;
    uint16_t instance = versionAndInstance >> 4;
    const PictureKindInfo* kind = RecordKind(Little16(header + 2), instance);
    if (kind == nullptr) return false;
    uint64_t identifiers = (instance & 1u) != 0 ? 2 * kIdentifierSize : kIdentifierSize;
    record.kind = kind;
    record.start = start;
    record.end = start + kRecordHeaderSize + Little32(header + 4);
    record.data = start + kRecordHeaderSize + identifiers;
    return record.data + (kind->officeArt.metafile ? kMetafileHeaderSize : kBitmapTagSize) <
           record.end;
}

// The record must lie whole within the view: its last byte is read.
bool RecordEndsInView(ByteSource& view, const Record& record) {
    if (view.Size() != ByteSource::kUnknownSize) return record.end <= view.Size();
    uint8_t last;
    return view.ReadAt(record.end - 1, &last, 1) == 1;
}

// A metafile record's header gives the bounds and the size on the page.
MetafileBounds RecordBounds(const uint8_t* header) {
    MetafileBounds bounds;
    bounds.left = static_cast<int32_t>(Little32(header + 4));
    bounds.top = static_cast<int32_t>(Little32(header + 8));
    bounds.right = static_cast<int32_t>(Little32(header + 12));
    bounds.bottom = static_cast<int32_t>(Little32(header + 16));
    bounds.widthEmu = static_cast<int32_t>(Little32(header + 20));
    bounds.heightEmu = static_cast<int32_t>(Little32(header + 24));
    return bounds;
}

bool IsZlibHeader(const uint8_t* head) {
    return (head[0] & 0x0F) == 8 && ((head[0] << 8) | head[1]) % 31 == 0;
}

class RecordReader {
public:
    RecordReader(const std::shared_ptr<ByteSource>& view, const ViewName& name, int rank,
                 FoundPictures& found, const std::shared_ptr<InflationBudget>& budget)
        : m_view(view),
          m_name(found, name),
          m_rank(rank),
          m_found(found),
          m_budget(budget) {}

    // True when the record held a picture, now found.
    bool Take(const Record& record) {
        if (!RecordEndsInView(*m_view, record)) return false;
        bool taken = record.kind->officeArt.metafile ? TakeMetafile(record) : TakeBitmap(record);
        if (taken) m_found.Explain(*m_view, record.start, record.end);
        return taken;
    }

private:
    FoundPicture Picture(const Record& record) {
        FoundPicture picture;
        picture.kind = record.kind->kind;
        picture.origin = Origin{m_name.Number(), record.start, true};
        picture.source = m_view;
        picture.rank = m_rank;
        picture.evidence = Evidence::Record;
        return picture;
    }

    // A bitmap kept without its file's header fills its record; any other
    // must show its kind's start, and ends where its structure does.
    bool TakeBitmap(const Record& record) {
        FoundPicture picture = Picture(record);
        picture.start = record.data + kBitmapTagSize;
        if (record.kind->fileHeader != nullptr) {
            picture.end = record.end;
            KeptPicture kept{*m_view, picture.start, picture.end - picture.start, nullptr};
            if (!record.kind->fileHeader(kept, picture.header)) return false;
        } else {
            auto kind = PictureKindAt(*m_view, picture.start);
            if (kind != picture.kind) return false;
            picture.end = PictureEndInRecord(*m_view, picture.kind, picture.start, record.end,
                                             &picture.walkedWhole);
        }
        picture.place = m_view->Place(picture.start);
        m_found.Add(std::move(picture));
        return true;
    }

    // A metafile's header: its size, its bounds, its size on the page, the
    // size of the bytes kept, and whether they are deflated.
    bool TakeMetafile(const Record& record) {
        uint8_t header[kMetafileHeaderSize];
        if (!ReadExactly(*m_view, record.data, header, sizeof header)) return false;
        uint32_t size = Little32(header);
        uint32_t kept = Little32(header + 28);
        uint8_t compression = header[32];
        uint64_t data = record.data + kMetafileHeaderSize;
        if (header[33] != kNoFilter || (compression != kDeflated && compression != kStored) ||
            kept == 0 || data + kept > record.end)
            return false;
        FoundPicture picture = Picture(record);
        picture.place = m_view->Place(data);
        if (compression == kDeflated) {
            uint8_t zlibHeader[2];
            if (!ReadExactly(*m_view, data, zlibHeader, 2) || !IsZlibHeader(zlibHeader))
                return false;
            picture.source = std::make_shared<InflateSource>(m_view, data, kept, size, m_budget,
                                                             InflateSource::Wrapping::Zlib);
            picture.start = 0;
            picture.end = size;
        } else {
            picture.start = data;
            picture.end = data + kept;
        }
        bool sound = MetafileStartsSound(picture, header);
        // Its decoder's memory is given back until the picture is written.
        picture.source->ReleaseCaches();
        if (!sound) return false;
        m_found.Add(std::move(picture));
        return true;
    }

    // A metafile of a kind with a signature must start with it; one kept
    // without its file's header gets it, made from the record's header.
    bool MetafileStartsSound(FoundPicture& picture, const uint8_t* header) {
        const PictureKindInfo& info = KindInfo(picture.kind);
        if (info.startsAt != nullptr && PictureKindAt(*picture.source, picture.start) != info.kind)
            return false;
        if (info.fileHeader == nullptr) return true;
        KeptPicture kept{*picture.source, picture.start, picture.end - picture.start,
                         [header] { return RecordBounds(header); }};
        return info.fileHeader(kept, picture.header);
    }

    std::shared_ptr<ByteSource> m_view;
    LazyViewName m_name;
    int m_rank;
    FoundPictures& m_found;
    std::shared_ptr<InflationBudget> m_budget;
};

}  // namespace

// The record type's high byte, F0, is where the search stops; the header
// around it is then read whole. Once a record is taken the search goes on
// behind it: a picture's bytes hold no records.
void FindOfficeArtPictures(const std::shared_ptr<ByteSource>& view, const ViewName& name, int rank,
                           FoundPictures& found, const std::shared_ptr<InflationBudget>& budget,
                           const std::vector<ViewSpan>& passOver) {
    RecordReader records(view, name, rank, found, budget);
    DocumentReader reader(*view, kSearchBlockSize);
    auto picture = passOver.begin();
    while (reader.Ensure(kRecordHeaderSize)) {
        while (picture != passOver.end() && picture->end <= reader.Position()) ++picture;
        if (picture != passOver.end() && picture->start <= reader.Position()) {
            reader.MoveTo(picture->end);
            continue;
        }
        const uint8_t* from = reader.Cursor();
        size_t searchable = reader.Available() - (kRecordHeaderSize - 1);
        if (picture != passOver.end())
            searchable = static_cast<size_t>(std::min<uint64_t>(searchable, picture->start - reader.Position()));
        const void* high = std::memchr(from + 3, kRecordTypeHigh, searchable);
        if (high == nullptr) {
            reader.Skip(searchable);
            continue;
        }
        reader.Skip(static_cast<const uint8_t*>(high) - 3 - from);
        Record record;
        if (ReadRecordHeader(reader.Cursor(), reader.Position(), record) && records.Take(record)) {
            reader.MoveTo(record.end);
            continue;
        }
        reader.Skip(1);
    }
}
