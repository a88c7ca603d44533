// DocumentReader.cpp
#include "recovery/bytes/DocumentReader.h"

#include "recovery/bytes/ByteSource.h"

#include <algorithm>
#include <cstring>

DocumentReader::DocumentReader(ByteSource& source, size_t capacity, uint64_t start)
    : m_source(source),
      m_documentLength(source.Size()),
      m_capacity(std::max(capacity, kMinimumCapacity)),
      m_buffer(m_capacity),
      m_data(m_buffer.data()),
      m_bufferPosition(start),
      m_nextRead(m_capacity),
      m_readThrough(m_capacity) {}

DocumentReader::DocumentReader(const DocumentReader& other, size_t capacity)
    : m_source(other.m_source),
      m_documentLength(other.m_documentLength),
      m_capacity(std::max(capacity, kMinimumCapacity)),
      m_data(other.Cursor()),
      m_end(other.Available()),
      m_bufferPosition(other.Position()),
      m_atEnd(other.m_atEnd),
      m_dataEnd(other.m_dataEnd),
      m_nextRead(kFirstBorrowerRead),
      m_readThrough(0) {}

bool DocumentReader::Ensure(size_t count) {
    while (Available() < count) {
        if (!Refill()) return false;
    }
    return true;
}

bool DocumentReader::SkipAhead(uint64_t count) {
    if (count > Available() + m_readThrough && !m_atEnd && JumpTo(Position() + count))
        return true;
    while (count > Available()) {
        count -= Available();
        m_cursor = m_end;
        if (!Refill()) return false;
    }
    Skip(static_cast<size_t>(count));
    return true;
}

bool DocumentReader::SkipTo(const uint8_t* pattern, size_t size) {
    for (;;) {
        const void* first = std::memchr(Cursor(), pattern[0], Available());
        if (first == nullptr) {
            m_cursor = m_end;
            if (!Refill()) return false;
            continue;
        }
        m_cursor = static_cast<const uint8_t*>(first) - m_data;
        if (!Ensure(size)) {
            SkipToEnd();
            return false;
        }
        if (std::memcmp(Cursor(), pattern, size) == 0) return true;
        Skip(1);
    }
}

// Bytes skipped need not be read: one byte just before the new position
// tells that the source reaches it.
bool DocumentReader::JumpTo(uint64_t position) {
    uint8_t last;
    if (m_source.ReadAt(position - 1, &last, 1) != 1) return false;
    m_bufferPosition = position;
    m_cursor = 0;
    m_end = 0;
    StopKeeping();
    return true;
}

void DocumentReader::SkipToEnd() {
    do {
        m_cursor = m_end;
    } while (Refill());
}

void DocumentReader::MoveTo(uint64_t position) {
    if (position >= Position()) {
        SkipAhead(position - Position());
        return;
    }
    if (position >= m_bufferPosition) {
        m_cursor = static_cast<size_t>(position - m_bufferPosition);
        return;
    }
    // Before the buffer: read afresh from there.
    m_bufferPosition = position;
    m_cursor = 0;
    m_end = 0;
    m_atEnd = false;
    m_keeping = false;
}

bool DocumentReader::Held(uint64_t from, uint64_t to, std::vector<HeldBytes>& pieces) const {
    pieces.clear();
    uint64_t at = from;
    auto take = [&](const uint8_t* bytes, uint64_t position, size_t length) {
        if (at >= to || at < position || at >= position + length) return;
        size_t size = static_cast<size_t>(std::min<uint64_t>(to, position + length) - at);
        pieces.push_back({bytes + (at - position), size});
        at += size;
    };
    for (const KeptBlock& block : m_keptBlocks) take(block.bytes.data(), block.position, block.length);
    take(m_data, m_bufferPosition, m_end);
    return at == to && from <= to;
}

void DocumentReader::StopKeeping() {
    m_keeping = false;
    for (KeptBlock& block : m_keptBlocks) m_spareBlocks.push_back(std::move(block.bytes));
    m_keptBlocks.clear();
}

uint64_t DocumentReader::Remaining() const {
    return m_documentLength > Position() ? m_documentLength - Position() : 0;
}

// The block the cursor is in is set aside whole while a kept picture started
// in it or before, so that the picture is written from the blocks it was read
// into: its bytes are neither moved nor read again. Beyond kMostKeptBlocks a
// picture is read again when it is written.
bool DocumentReader::SetBlockAside() {
    if (!m_keeping || m_kept > Position() || m_data != m_buffer.data()) return false;
    if (m_kept < m_bufferPosition && m_keptBlocks.empty()) return false;
    if (m_keptBlocks.size() >= kMostKeptBlocks) {
        StopKeeping();
        return false;
    }
    std::vector<uint8_t> next;
    if (!m_spareBlocks.empty()) {
        next.swap(m_spareBlocks.back());
        m_spareBlocks.pop_back();
    }
    next.resize(m_buffer.size());
    size_t unread = Available();
    std::memcpy(next.data(), Cursor(), unread);
    m_keptBlocks.push_back({std::move(m_buffer), m_bufferPosition, m_end});
    m_buffer.swap(next);
    m_data = m_buffer.data();
    m_bufferPosition += m_cursor;
    m_cursor = 0;
    m_end = unread;
    return true;
}

void DocumentReader::MoveUnreadToFront() {
    size_t unread = Available();
    // A borrowing reader gets a buffer of its own, no larger than its reads so far need.
    size_t size =
        std::min(std::max(unread + m_nextRead, m_buffer.size()), std::max(m_capacity, unread));
    if (m_data != m_buffer.data() || m_buffer.size() < size) {
        std::vector<uint8_t> own(size);
        std::memcpy(own.data(), Cursor(), unread);
        m_buffer.swap(own);
        m_data = m_buffer.data();
    } else {
        std::memmove(m_buffer.data(), Cursor(), unread);
    }
    m_bufferPosition += m_cursor;
    m_cursor = 0;
    m_end = unread;
}

// Keeps the unread bytes, sets the block aside or moves them to the front,
// and fills the rest of the buffer. False when nothing more can be read.
bool DocumentReader::Refill() {
    if (!SetBlockAside()) MoveUnreadToFront();
    if (m_atEnd) return false;
    size_t wanted = std::min(m_buffer.size() - m_end, m_nextRead);
    m_nextRead = std::min(m_capacity, 2 * m_nextRead);
    size_t got = wanted == 0 ? 0
                             : m_source.ReadAt(m_bufferPosition + m_end, m_buffer.data() + m_end,
                                               wanted);
    if (got < wanted) {
        m_atEnd = true;
        m_dataEnd = m_source.EndReason();
    }
    m_end += got;
    return got > 0;
}
