// InflateSource.h: the bytes of a deflated ZIP entry, inflated as they are read.
#pragma once

#include "recovery/ByteSource.h"

#include <memory>
#include <vector>

struct z_stream_s;

// Inflates forward from the entry's start; a read before the last one starts
// over, so memory stays at zlib's window and two small buffers whatever the
// entry's size. The inflated bytes have no file offset of their own: all share
// the place of the entry's compressed data, told apart by their own offset.
class InflateSource : public ByteSource {
public:
    // compressedSize may be kUnknownSize: the deflate stream then shows its own end.
    InflateSource(std::shared_ptr<ByteSource> parent, uint64_t start, uint64_t compressedSize,
                  uint64_t size);
    ~InflateSource() override;
    InflateSource(const InflateSource&) = delete;
    InflateSource& operator=(const InflateSource&) = delete;

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    bool Failed() const override { return m_parent->Failed(); }
    FilePlace Place(uint64_t offset) override;
    void Rest() override;

    // True once the deflate stream was read to its proper end.
    bool Complete() const { return m_complete; }
    // Compressed bytes the deflate stream took, once Complete().
    uint64_t CompressedBytesUsed() const { return m_consumed; }

private:
    bool Restart();
    size_t Inflate(uint8_t* into, size_t size);

    std::shared_ptr<ByteSource> m_parent;
    uint64_t m_start;
    uint64_t m_compressedSize;
    uint64_t m_size;
    std::unique_ptr<z_stream_s> m_stream;
    std::vector<uint8_t> m_input;
    uint64_t m_inputPosition = 0;  // compressed bytes handed to zlib so far
    uint64_t m_position = 0;       // inflated bytes produced so far
    bool m_ended = false;
    bool m_complete = false;
    uint64_t m_consumed = 0;
};
