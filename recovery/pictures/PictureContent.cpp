// PictureContent.cpp
#include "recovery/pictures/PictureContent.h"

#include "recovery/bytes/DocumentReader.h"
#include "recovery/bytes/SliceSource.h"
#include "recovery/pictures/JpegWalk.h"
#include "recovery/pictures/PictureKindTable.h"
#include "recovery/pictures/WalkAt.h"

#include <cstring>
#include <memory>

namespace {

constexpr size_t kHeadSize = 512;
constexpr size_t kSignatureHeld = 8;

}  // namespace

std::optional<PictureKind> PictureKindAt(ByteSource& source, uint64_t offset) {
    uint8_t head[kHeadSize];
    size_t size = source.ReadAt(offset, head, sizeof head);
    for (const PictureKindInfo& info : kPictureKindTable) {
        if (info.startsAt != nullptr && info.startsAt(head, size)) return info.kind;
    }
    return std::nullopt;
}

bool JpegWithoutImage(ByteSource& view, uint64_t offset) {
    constexpr size_t kWalkBlockSize = 4096;
    DocumentReader reader(view, kWalkBlockSize, offset);
    uint64_t trusted;
    bool image = true;
    return reader.Ensure(kSignatureHeld) && WalkJpegPicture(reader, trusted, &image) && !image;
}

bool StartsWithJfif(ByteSource& view, uint64_t offset) {
    uint8_t head[5];
    return ReadExactly(view, offset, head, sizeof head) &&
           std::memcmp(head, "\xFF\xD8\xFF\xE0\x00", sizeof head) == 0;
}

uint64_t PictureEndInRecord(ByteSource& view, PictureKind kind, uint64_t from, uint64_t to,
                            bool* whole) {
    PictureWalk walk = KindInfo(kind).walk;
    SliceSource record(std::shared_ptr<ByteSource>(&view, [](ByteSource*) {}), from, to - from);
    std::optional<uint64_t> end = walk != nullptr ? WalkedEnd(record, 0, walk) : std::nullopt;
    if (whole != nullptr) *whole = end.has_value();
    return end ? from + *end : to;
}
