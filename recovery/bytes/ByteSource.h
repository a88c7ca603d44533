// ByteSource.h: bytes read by position, from the document file or from a
// stream inside one of its containers.
#pragma once

#include "base/LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <tuple>

// Where a byte lies in the document file. Bytes stored as they are have their
// file offset and no inner path. Bytes that exist only once decoded (a deflated
// entry) share the offset of their encoded data and are told apart by their
// offset in the decoded data, one step of the path for each decoding they went
// through: entries of an inflated package inflated in turn keep their places
// apart even where their own offsets agree.
struct FilePlace {
    static constexpr size_t kDeepestPath = 4;

    uint64_t offset = 0;
    // Decoded offsets plus one, outermost first; zero where the path ends.
    std::array<uint64_t, kDeepestPath> inner{};

    static FilePlace InFile(uint64_t fileOffset) {
        FilePlace place;
        place.offset = fileOffset;
        return place;
    }
    // The place of a byte decoded, at decodedOffset, from the bytes at this place.
    FilePlace Decoded(uint64_t decodedOffset) const {
        FilePlace place = *this;
        size_t step = 0;
        while (step + 1 < kDeepestPath && place.inner[step] != 0) ++step;
        place.inner[step] = decodedOffset + 1;
        return place;
    }
    // The place just after this one, in the same stretch of bytes.
    FilePlace After() const {
        FilePlace place = *this;
        size_t step = 0;
        while (step < kDeepestPath && place.inner[step] != 0) ++step;
        if (step == 0)
            ++place.offset;
        else
            ++place.inner[step - 1];
        return place;
    }
    bool operator<(const FilePlace& other) const {
        return std::tie(offset, inner) < std::tie(other.offset, other.inner);
    }
    bool operator==(const FilePlace& other) const {
        return offset == other.offset && inner == other.inner;
    }
};

// Places in the document file where a container's data went on past a broken
// link: a picture read across one is whole only where its own structure says so.
using BreakPlaces = std::set<FilePlace>;

// Why a source's data stopped short of what a read asked for. The readers
// above tell a picture cut by the document from one cut by the scan, and
// both from a failure or a stop, only by this answer.
enum class DataEnd {
    Whole,    // the data's real end
    Broken,   // the container's data is damaged or cut there
    Spent,    // the scan's allowance of inflated bytes ran out
    Stopped,  // the user asked the scan to stop
    Failed,   // a read failed
};

// A view's answer, given the answer of the source below it and its own: a
// stop or a failed read ends every view of the document, wherever the
// view's own data would have gone on.
inline DataEnd ViewEnd(DataEnd below, DataEnd own) {
    return below == DataEnd::Stopped || below == DataEnd::Failed ? below : own;
}

// Data that broke, or that the allowance cut, leaves what it holds of a
// picture: its salvage, never counted whole.
inline bool CutsPictures(DataEnd end) { return end == DataEnd::Broken || end == DataEnd::Spent; }

// The answer of a view whose own structure told more bytes than the data
// below it held: where that data simply ends, the view is cut.
inline DataEnd CutBy(DataEnd below) { return below == DataEnd::Whole ? DataEnd::Broken : below; }

class ByteSource {
public:
    static constexpr uint64_t kUnknownSize = std::numeric_limits<uint64_t>::max();

    virtual ~ByteSource() = default;
    // The number of bytes as the container declares it, or kUnknownSize. The
    // real data may end sooner when the container is damaged.
    virtual uint64_t Size() const = 0;
    // Reads up to size bytes from offset; fewer where the data stops short,
    // for the reason EndReason() then gives.
    virtual size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) = 0;
    // Why the last read that came back short did. Once a read failed the
    // answer stays Failed: no later short read can be trusted to be an end.
    virtual DataEnd EndReason() const { return DataEnd::Whole; }
    // Where the byte at offset lies in the document file.
    virtual FilePlace Place(uint64_t offset) = 0;
    // How many bytes from offset on lie one after another at the places from
    // Place(offset) on, with no byte of another view between them: one
    // stretch of the file, or of the data decoded from it; 0 where the view
    // holds no byte at offset. A source read straight from a file is one stretch.
    virtual uint64_t PlaceRun(uint64_t /*offset*/) { return kUnknownSize; }
    // Drops what was only kept to read on quickly (decoder state, caches).
    virtual void ReleaseCaches() {}
};

// Where [start, start + length) ends; a length a container declares may
// reach past the largest offset, and the end then stays there.
inline uint64_t EndOf(uint64_t start, uint64_t length) {
    return length > ByteSource::kUnknownSize - start ? ByteSource::kUnknownSize : start + length;
}

// Reads exactly size bytes; false when fewer are there.
inline bool ReadExactly(ByteSource& source, uint64_t offset, uint8_t* into, size_t size) {
    return source.ReadAt(offset, into, size) == size;
}

// True when the source's first bytes are the signature.
template <size_t N>
bool StartsWith(ByteSource& source, const uint8_t (&signature)[N]) {
    uint8_t head[N];
    return ReadExactly(source, 0, head, N) && std::memcmp(head, signature, N) == 0;
}
