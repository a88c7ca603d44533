// DocumentReader.h: the document as a byte stream read forward in large blocks.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads a source block by block into one buffer of fixed capacity and lets
// the scanner look a few bytes ahead across block boundaries; memory use
// therefore stays the same whatever the size of the document. The blocks that
// hold bytes from a kept position on are set aside, a few at most, so that a
// picture just walked can be written from them without moving or reading it again.
class DocumentReader {
public:
    static constexpr size_t kMinimumCapacity = 16;
    static constexpr size_t kFirstBorrowerRead = 256;
    static constexpr size_t kMostKeptBlocks = 3;

    // The source stays owned by the caller. Its size is only a bound for
    // the picture walks; the reader itself stops at the real end of data.
    // Reading starts at the source's offset start.
    DocumentReader(ByteSource& source, size_t capacity, uint64_t start = 0);
    // Starts at the other reader's cursor and reads the bytes it holds there
    // in place, until it needs more: a look ahead that ends within them costs
    // no copy and no read. The other reader must stay as it is meanwhile.
    DocumentReader(const DocumentReader& other, size_t capacity);

    // Makes at least count bytes readable at the cursor (count <= capacity).
    // False when the document ends first or after a read error.
    bool Ensure(size_t count);
    const uint8_t* Cursor() const { return m_data + m_cursor; }
    size_t Available() const { return m_end - m_cursor; }
    // Bytes before the cursor that the buffer still holds: a look back
    // within them costs nothing.
    size_t HeldBehind() const { return m_cursor; }
    // The most bytes Ensure can make readable.
    size_t Capacity() const { return m_capacity; }
    void Skip(size_t count) { m_cursor += count; }
    // Skips count bytes that may lie far beyond the buffer; beyond its reach
    // without reading them. False when the document ends first; the cursor is
    // then at the end.
    bool SkipAhead(uint64_t count);
    // Moves the cursor to the next occurrence of the pattern (size <= capacity).
    // False when there is none: the cursor is then at the end of the document.
    bool SkipTo(const uint8_t* pattern, size_t size);
    void SkipToEnd();
    // Moves the cursor to any position, before the cursor or after it.
    void MoveTo(uint64_t position);

    // Keeps the bytes from the cursor on, in up to kMostKeptBlocks blocks
    // set aside besides the buffer.
    void KeepFromHere() {
        StopKeeping();
        m_kept = Position();
        m_keeping = true;
    }
    void StopKeeping();
    struct HeldBytes {
        const uint8_t* bytes;
        size_t size;
    };
    // The bytes [from, to) in the pieces of memory that hold them, in order;
    // false when they are not all held.
    bool Held(uint64_t from, uint64_t to, std::vector<HeldBytes>& pieces) const;

    // The cursor's offset in the source.
    uint64_t Position() const { return m_bufferPosition + m_cursor; }
    // Bytes between the cursor and the document's end as its length gives it.
    uint64_t Remaining() const;
    // Why the data ended where the reader came to its end, as the source told it.
    DataEnd EndReason() const { return m_dataEnd; }
    bool ReadFailed() const { return m_dataEnd == DataEnd::Failed; }
    ByteSource& Source() const { return m_source; }

private:
    bool Refill();
    bool JumpTo(uint64_t position);
    bool SetBlockAside();
    void MoveUnreadToFront();

    ByteSource& m_source;
    uint64_t m_documentLength;
    size_t m_capacity;
    std::vector<uint8_t> m_buffer;  // allocated at the first read of a borrowing reader
    const uint8_t* m_data;          // the buffer, or the bytes borrowed from another reader
    size_t m_cursor = 0;
    size_t m_end = 0;
    uint64_t m_bufferPosition = 0;
    bool m_atEnd = false;
    DataEnd m_dataEnd = DataEnd::Whole;
    // How much the next refill reads: a borrowing reader, mostly a check that
    // soon ends, starts small and doubles up to its capacity.
    size_t m_nextRead;
    // How far a skip is read through rather than jumped: a reader that
    // scans reads on within a buffer's length, as reading on is cheaper
    // than seeking and the picture it skips stays held for its copy; a
    // borrowing reader, a check that will soon end, jumps at once.
    size_t m_readThrough;
    uint64_t m_kept = 0;
    bool m_keeping = false;
    struct KeptBlock {
        std::vector<uint8_t> bytes;
        uint64_t position;
        size_t length;
    };
    std::vector<KeptBlock> m_keptBlocks;
    std::vector<std::vector<uint8_t>> m_spareBlocks;
};
