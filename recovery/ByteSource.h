// ByteSource.h: bytes read by position, from the document file or from a
// stream inside one of its containers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

// Where a byte lies in the document file. Bytes stored as they are have their
// file offset and inner 0; bytes that exist only once decoded (a deflated
// entry) share the offset of their encoded data and are told apart by inner.
struct FilePlace {
    uint64_t offset = 0;
    uint64_t inner = 0;

    bool operator<(const FilePlace& other) const {
        return std::make_pair(offset, inner) < std::make_pair(other.offset, other.inner);
    }
    bool operator==(const FilePlace& other) const {
        return offset == other.offset && inner == other.inner;
    }
};

class ByteSource {
public:
    static constexpr uint64_t kUnknownSize = std::numeric_limits<uint64_t>::max();

    virtual ~ByteSource() = default;
    // The number of bytes as the container declares it, or kUnknownSize. The
    // real data may end sooner when the container is damaged.
    virtual uint64_t Size() const = 0;
    // Reads up to size bytes from offset; fewer only at the end of the data
    // or after a failure.
    virtual size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) = 0;
    // True once a read failed for another reason than the end of the data.
    virtual bool Failed() const { return false; }
    // Where the byte at offset lies in the document file.
    virtual FilePlace Place(uint64_t offset) = 0;
    // Drops what was only kept to read on quickly (decoder state, caches).
    virtual void Rest() {}
};

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

inline uint16_t Little16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline uint32_t Little32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | (uint32_t{bytes[1]} << 8) | (uint32_t{bytes[2]} << 16) |
           (uint32_t{bytes[3]} << 24);
}

inline uint64_t Little64(const uint8_t* bytes) {
    return uint64_t{Little32(bytes)} | (uint64_t{Little32(bytes + 4)} << 32);
}
