// InputBytes.h: bytes held in memory as a byte source, such as a fuzzer's input.
#pragma once

#include "recovery/ByteSource.h"

#include <algorithm>
#include <cstring>

// The bytes stay owned by the caller and are read where they lie, so that
// the sanitizers see any read past their end.
class InputBytes : public ByteSource {
public:
    InputBytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override {
        if (offset >= m_size) return 0;
        size_t count = static_cast<size_t>(std::min<uint64_t>(size, m_size - offset));
        if (count > 0) std::memcpy(into, m_data + offset, count);
        return count;
    }
    FilePlace Place(uint64_t offset) override { return FilePlace::InFile(offset); }

private:
    const uint8_t* m_data;
    size_t m_size;
};
