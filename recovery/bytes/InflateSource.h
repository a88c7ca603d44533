// InflateSource.h: the bytes of a deflated ZIP entry, inflated as they are read.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <memory>
#include <vector>

struct z_stream_s;

// Real documents inflate to a few times their size (text parts some ten
// times, pictures not at all): data that inflates to more than this many
// times its compressed size is taken for data built to inflate without end.
constexpr uint64_t kPlausibleInflationRatio = 64;

// The most bytes the compressed bytes plausibly inflate to, and at least floor.
uint64_t PlausiblyInflated(uint64_t compressed, uint64_t floor);

// How many inflated bytes one scan may produce, all entries and nesting
// levels together: a package built to inflate without end stops being read
// where the allowance runs out.
class InflationBudget {
public:
    static constexpr uint64_t kFloor = 64 << 20;

    explicit InflationBudget(uint64_t documentSize);
    // Of wanted new bytes, how many may still be produced; they are spent.
    size_t Spend(size_t wanted);
    void Refund(size_t unused);

private:
    uint64_t m_left;
};

// Inflates forward from the entry's start. The last kRecentSize bytes are
// kept, and the decoder's state every so many bytes, so that reading again
// from any point costs at most the spacing of those states: memory stays at
// zlib's window, a few saved states and the recent bytes, whatever the entry's
// size. The inflated bytes have no file offset of their own: they share the
// place of the entry's compressed data, with their own offset as the next
// step of its path.
class InflateSource : public ByteSource {
public:
    static constexpr size_t kRecentSize = 256 * 1024;
    // ZIP stores raw deflate data; office records keep it behind a zlib header.
    enum class Wrapping { Raw, Zlib };

    // compressedSize may be kUnknownSize: the deflate stream then shows its own end.
    InflateSource(std::shared_ptr<ByteSource> parent, uint64_t start, uint64_t compressedSize,
                  uint64_t size, std::shared_ptr<InflationBudget> budget,
                  Wrapping wrapping = Wrapping::Raw);
    ~InflateSource() override;
    InflateSource(const InflateSource&) = delete;
    InflateSource& operator=(const InflateSource&) = delete;

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override { return ViewEnd(m_parent->EndReason(), m_end); }
    FilePlace Place(uint64_t offset) override;
    uint64_t PlaceRun(uint64_t) override { return kUnknownSize; }
    void ReleaseCaches() override;

    // True once the deflate stream was read to its proper end.
    bool Complete() const { return m_complete; }
    // Compressed bytes the decoder took, once Complete().
    uint64_t CompressedBytesUsed() const { return m_consumed; }
    // The compressed bytes the stream covers: to its proper end, or as far as
    // the decoder took them before the data broke or ran out. Reads the
    // stream to its end first when it was not.
    uint64_t CompressedExtent();

private:
    struct SavedState;

    bool Start();
    bool Resume(uint64_t offset);
    void Save();
    // Reads [offset, offset + size) of the declared size.
    size_t Inflated(uint64_t offset, uint8_t* into, size_t size);
    size_t Inflate(uint8_t* into, size_t size);
    void End(bool complete, DataEnd why);
    bool Refeed();
    void Remember(const uint8_t* bytes, size_t size);
    size_t CopyRecent(uint64_t offset, uint8_t* into, size_t size) const;

    std::shared_ptr<ByteSource> m_parent;
    uint64_t m_start;
    uint64_t m_compressedSize;
    uint64_t m_size;
    std::shared_ptr<InflationBudget> m_budget;
    Wrapping m_wrapping;
    std::unique_ptr<z_stream_s> m_stream;
    std::vector<uint8_t> m_input;
    uint64_t m_inputPosition = 0;  // compressed bytes handed to zlib so far
    uint64_t m_position = 0;       // inflated bytes produced so far
    uint64_t m_produced = 0;       // the furthest position ever reached
    bool m_inputEnded = false;
    DataEnd m_inputEnd = DataEnd::Whole;  // why the compressed bytes ended, once they did
    bool m_ended = false;
    DataEnd m_streamEnd = DataEnd::Whole;  // why inflating ended, once it did
    DataEnd m_end = DataEnd::Whole;        // why the last short read was short
    bool m_complete = false;
    uint64_t m_consumed = 0;
    std::vector<std::unique_ptr<SavedState>> m_saved;
    uint64_t m_saveSpacing;
    std::vector<uint8_t> m_recent;  // a ring of the last bytes produced
    size_t m_recentFill = 0;        // how many of them end at m_position
};
