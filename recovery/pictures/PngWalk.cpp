// PngWalk.cpp
#include "recovery/pictures/PngWalk.h"

#include "recovery/pictures/BrokenWalks.h"
#include "recovery/bytes/DocumentReader.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint8_t kEndType[] = {'I', 'E', 'N', 'D'};
constexpr size_t kLengthSize = 4;
constexpr size_t kTypeSize = 4;
constexpr size_t kChecksumSize = 4;
constexpr size_t kChunkFrame = kLengthSize + kTypeSize + kChecksumSize;
constexpr uint32_t kLargestChunk = 0x7FFFFFFF;

bool IsLetter(uint8_t byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

uint32_t ReadBigEndian(const uint8_t* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
           bytes[3];
}

// The chunk whose length the walk followed last may be cut short, so that its
// data runs over whatever followed the picture: trusted stays at its start.
bool WalkChunks(DocumentReader& reader, uint64_t& trusted, BrokenWalks* broken) {
    trusted = reader.Position();
    if (!reader.Ensure(sizeof kSignature) ||
        std::memcmp(reader.Cursor(), kSignature, sizeof kSignature) != 0)
        return false;
    reader.Skip(sizeof kSignature);
    for (;;) {
        if (broken != nullptr && broken->Known(reader.Position())) return false;
        if (!reader.Ensure(kLengthSize + kTypeSize)) return false;
        const uint8_t* chunk = reader.Cursor();
        uint32_t length = ReadBigEndian(chunk);
        const uint8_t* type = chunk + kLengthSize;
        bool isEnd = std::memcmp(type, kEndType, kTypeSize) == 0;
        bool isChunk = length <= kLargestChunk && IsLetter(type[0]) && IsLetter(type[1]) &&
                       IsLetter(type[2]) && IsLetter(type[3]) && (!isEnd || length == 0);
        uint64_t chunkSize = kChunkFrame + uint64_t{length};
        if (!isChunk || chunkSize > reader.Remaining()) return false;
        trusted = reader.Position();
        if (!reader.SkipAhead(chunkSize)) return false;
        if (isEnd) return true;
    }
}

}  // namespace

bool WalkPngPicture(DocumentReader& reader, uint64_t& trusted, BrokenWalks* broken) {
    bool whole = WalkChunks(reader, trusted, broken);
    if (broken != nullptr) broken->Ended(whole);
    return whole;
}

bool SkipToPngEnd(DocumentReader& reader) {
    return reader.SkipTo(kEndType, sizeof kEndType) &&
           reader.SkipAhead(sizeof kEndType + kChecksumSize);
}
