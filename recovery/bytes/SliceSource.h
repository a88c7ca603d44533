// SliceSource.h: a stretch of another source, such as a stored ZIP entry.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <algorithm>
#include <memory>

class SliceSource : public ByteSource {
public:
    // A size that reaches past the largest offset ends there.
    SliceSource(std::shared_ptr<ByteSource> parent, uint64_t start, uint64_t size)
        : m_parent(std::move(parent)), m_start(start), m_size(EndOf(start, size) - start) {}

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override {
        if (offset >= m_size) {
            m_end = DataEnd::Whole;
            return 0;
        }
        size_t wanted = static_cast<size_t>(std::min<uint64_t>(size, m_size - offset));
        size_t got = m_parent->ReadAt(m_start + offset, into, wanted);
        // Short of the slice's own end, the parent tells why.
        if (got < size) m_end = got < wanted ? m_parent->EndReason() : DataEnd::Whole;
        return got;
    }
    DataEnd EndReason() const override { return ViewEnd(m_parent->EndReason(), m_end); }
    FilePlace Place(uint64_t offset) override { return m_parent->Place(m_start + offset); }
    uint64_t PlaceRun(uint64_t offset) override {
        if (offset >= m_size) return 0;
        return std::min(m_parent->PlaceRun(m_start + offset), m_size - offset);
    }

private:
    std::shared_ptr<ByteSource> m_parent;
    uint64_t m_start;
    uint64_t m_size;
    DataEnd m_end = DataEnd::Whole;
};
