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
        if (offset >= m_size) return 0;
        return m_parent->ReadAt(m_start + offset, into,
                                static_cast<size_t>(std::min<uint64_t>(size, m_size - offset)));
    }
    bool Failed() const override { return m_parent->Failed(); }
    FilePlace Place(uint64_t offset) override { return m_parent->Place(m_start + offset); }
    uint64_t PlaceRun(uint64_t offset) override {
        if (offset >= m_size) return 0;
        return std::min(m_parent->PlaceRun(m_start + offset), m_size - offset);
    }

private:
    std::shared_ptr<ByteSource> m_parent;
    uint64_t m_start;
    uint64_t m_size;
};
