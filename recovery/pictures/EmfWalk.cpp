// EmfWalk.cpp
#include "recovery/pictures/EmfWalk.h"

#include "base/LittleEndian.h"
#include "recovery/pictures/BrokenWalks.h"
#include "recovery/bytes/DocumentReader.h"
#include "recovery/pictures/WalkAt.h"

#include <cstdint>

namespace {

constexpr uint32_t kHeaderType = 1;
constexpr uint32_t kEndOfFileType = 14;
constexpr uint32_t kSignature = 0x464D4520;
constexpr uint32_t kRecordHeadSize = 8;
constexpr uint32_t kEndOfFileSize = 20;
constexpr size_t kPictureSizeAt = 48;
constexpr size_t kRecordCountAt = 52;

struct Header {
    uint32_t size;
    uint32_t pictureSize;
    uint32_t recordCount;
};

Header ReadHeader(const uint8_t* header) {
    return {Little32(header + 4), Little32(header + kPictureSizeAt),
            Little32(header + kRecordCountAt)};
}

bool IsRecordSize(uint32_t size) { return size >= kRecordHeadSize && size % 4 == 0; }

enum class Walk { Whole, Broken, BrokenByEnd };

// Records up to the picture's end. A walk that breaks at a record's own
// fields breaks so from any earlier record it passed, whatever the end its
// header gave; one that breaks at that end does not.
Walk WalkRecords(DocumentReader& reader, uint64_t end, uint32_t records, BrokenWalks* broken) {
    for (uint32_t counted = 1; reader.Position() < end; ++counted) {
        if (broken != nullptr && broken->Known(reader.Position())) return Walk::Broken;
        if (!reader.Ensure(kRecordHeadSize)) return Walk::Broken;
        uint32_t type = Little32(reader.Cursor());
        uint32_t size = Little32(reader.Cursor() + 4);
        if (!IsRecordSize(size) || size > reader.Remaining()) return Walk::Broken;
        if (size > end - reader.Position() || counted == records) return Walk::BrokenByEnd;
        if (!reader.SkipAhead(size)) return Walk::Broken;
        if (type == kEndOfFileType) {
            bool last = reader.Position() == end && counted + 1 == records;
            return last && size >= kEndOfFileSize ? Walk::Whole : Walk::BrokenByEnd;
        }
    }
    return Walk::BrokenByEnd;
}

Walk WalkPicture(DocumentReader& reader, BrokenWalks* broken) {
    uint8_t copy[kEmfHeaderSize];
    size_t got = 0;
    const uint8_t* header = BytesAtCursor(reader, sizeof copy, copy, got);
    if (got < kEmfHeaderSize || !EmfHeaderHolds(header)) return Walk::BrokenByEnd;
    Header fields = ReadHeader(header);
    uint64_t end = reader.Position() + fields.pictureSize;
    if (fields.pictureSize > reader.Remaining() || !reader.SkipAhead(fields.size))
        return Walk::BrokenByEnd;
    return WalkRecords(reader, end, fields.recordCount, broken);
}

}  // namespace

bool EmfHeaderHolds(const uint8_t* header) {
    Header fields = ReadHeader(header);
    // At least the header and the end-of-file record.
    return Little32(header) == kHeaderType && fields.size >= kEmfHeaderSize &&
           IsRecordSize(fields.size) && Little32(header + kEmfSignatureOffset) == kSignature &&
           fields.pictureSize % 4 == 0 &&
           fields.pictureSize >= uint64_t{fields.size} + kEndOfFileSize && fields.recordCount >= 2;
}

bool WalkEmfPicture(DocumentReader& reader, BrokenWalks* broken) {
    Walk walk = WalkPicture(reader, broken);
    if (broken != nullptr) broken->Ended(walk != Walk::Broken);
    return walk == Walk::Whole;
}

