// DocumentReader.cpp
#include "recovery/DocumentReader.h"

#include "recovery/ByteSource.h"

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
      m_readFailed(other.m_readFailed),
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
    m_keeping = false;
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

const uint8_t* DocumentReader::Held(uint64_t from, uint64_t to) const {
    if (from < m_bufferPosition || to > m_bufferPosition + m_end || from > to) return nullptr;
    return m_data + (from - m_bufferPosition);
}

uint64_t DocumentReader::Remaining() const {
    return m_documentLength > Position() ? m_documentLength - Position() : 0;
}

size_t DocumentReader::KeepStart() {
    if (m_keeping && m_kept >= m_bufferPosition && m_kept <= Position()) {
        size_t kept = static_cast<size_t>(m_kept - m_bufferPosition);
        if (m_end - kept <= m_capacity / 2) return kept;
    }
    m_keeping = false;
    return m_cursor;
}

// Keeps the unread bytes (and the kept ones), moves them to the front and
// fills the rest of the buffer. False when nothing more can be read.
bool DocumentReader::Refill() {
    size_t keep = KeepStart();
    size_t kept = m_end - keep;
    // A borrowing reader gets a buffer of its own, no larger than its reads so far need.
    size_t size =
        std::min(std::max(kept + m_nextRead, m_buffer.size()), std::max(m_capacity, kept));
    if (m_data != m_buffer.data() || m_buffer.size() < size) {
        std::vector<uint8_t> own(size);
        std::memcpy(own.data(), m_data + keep, kept);
        m_buffer.swap(own);
        m_data = m_buffer.data();
    } else {
        std::memmove(m_buffer.data(), m_data + keep, kept);
    }
    m_bufferPosition += keep;
    m_cursor -= keep;
    m_end = kept;
    if (m_atEnd) return false;
    size_t wanted = std::min(m_buffer.size() - m_end, m_nextRead);
    m_nextRead = std::min(m_capacity, 2 * m_nextRead);
    size_t got = wanted == 0 ? 0
                             : m_source.ReadAt(m_bufferPosition + m_end, m_buffer.data() + m_end,
                                               wanted);
    if (got < wanted) {
        m_atEnd = true;
        m_readFailed = m_source.Failed();
    }
    m_end += got;
    return got > 0;
}
