// GifWalk.cpp
#include "recovery/pictures/GifWalk.h"

#include "recovery/pictures/BrokenWalks.h"
#include "recovery/bytes/DocumentReader.h"
#include "recovery/pictures/WalkAt.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kScreenDescriptorSize = 7;
constexpr size_t kImageDescriptorSize = 9;  // after its separator
constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImage = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kHasColourTable = 0x80;
constexpr uint8_t kColourTableBits = 0x07;
constexpr uint8_t kLargestCodeSize = 12;

// The marks of a walk: at a block or in a chain of sub-blocks, before or
// after the first image; from the same mark two walks go the same way.
constexpr unsigned kAtBlock = 0;
constexpr unsigned kInChain = 1;
constexpr unsigned kImageSeen = 2;

bool HeaderHolds(const uint8_t* bytes) {
    return std::memcmp(bytes, "GIF8", 4) == 0 && (bytes[4] == '7' || bytes[4] == '9') &&
           bytes[5] == 'a';
}

uint32_t ColourTableSize(uint8_t flags) {
    return (flags & kHasColourTable) != 0 ? 3u << ((flags & kColourTableBits) + 1) : 0;
}

class GifWalker {
public:
    GifWalker(DocumentReader& reader, BrokenWalks* broken) : m_reader(reader), m_broken(broken) {}

    bool Walk() {
        if (!m_reader.Ensure(kHeaderSize + kScreenDescriptorSize) ||
            !HeaderHolds(m_reader.Cursor()))
            return false;
        uint8_t flags = m_reader.Cursor()[kHeaderSize + 4];
        if (!Skip(kHeaderSize + kScreenDescriptorSize + ColourTableSize(flags))) return false;
        for (;;) {
            if (Known(kAtBlock) || !m_reader.Ensure(1)) return false;
            uint8_t introducer = m_reader.Cursor()[0];
            if (introducer == kTrailer) {
                m_reader.Skip(1);
                return m_imageSeen;
            }
            bool block = introducer == kExtension ? SkipExtensionHead() : SkipImageHead();
            if (!block || !SkipSubBlocks()) return false;
        }
    }

private:
    // The introducer and label; an extension's data is all in sub-blocks.
    bool SkipExtensionHead() { return Skip(2); }

    // The separator, the descriptor, the local colour table and the LZW code size.
    bool SkipImageHead() {
        if (m_reader.Cursor()[0] != kImage || !m_reader.Ensure(1 + kImageDescriptorSize)) return false;
        uint8_t flags = m_reader.Cursor()[kImageDescriptorSize];
        if (!Skip(1 + kImageDescriptorSize + ColourTableSize(flags)) || !m_reader.Ensure(1))
            return false;
        uint8_t codeSize = m_reader.Cursor()[0];
        m_imageSeen = true;
        return codeSize >= 1 && codeSize <= kLargestCodeSize && Skip(1);
    }

    // Sub-blocks, each led by its length, up to the empty one that ends them.
    bool SkipSubBlocks() {
        for (;;) {
            if (Known(kInChain) || !m_reader.Ensure(1)) return false;
            uint8_t length = m_reader.Cursor()[0];
            if (!Skip(1u + length)) return false;
            if (length == 0) return true;
        }
    }

    bool Skip(uint64_t count) { return count <= m_reader.Remaining() && m_reader.SkipAhead(count); }

    bool Known(unsigned where) {
        unsigned state = where + (m_imageSeen ? kImageSeen : 0);
        return m_broken != nullptr && m_broken->Known(m_reader.Position(), state);
    }

    DocumentReader& m_reader;
    BrokenWalks* m_broken;
    bool m_imageSeen = false;
};

}  // namespace

bool WalkGifPicture(DocumentReader& reader, BrokenWalks* broken) {
    bool whole = GifWalker(reader, broken).Walk();
    if (broken != nullptr) broken->Ended(whole);
    return whole;
}

