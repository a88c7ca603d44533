// SignatureSearchTest.cpp: the vectorised search for signature starts against
// a byte-by-byte reading of the same bytes.
#include "recovery/search/SignatureSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Search = const uint8_t* (*)(const uint8_t*, const uint8_t*);

const uint8_t kPairs[][2] = {{0xFF, 0xD8}, {0x89, 0x50}, {'G', 'I'}, {'B', 'M'}, {'E', 'M'}};

// What a reader sees byte by byte: every position whose byte and the next
// one, both inside the range, are one of the pairs.
std::vector<size_t> PairsByHand(const uint8_t* data, size_t size) {
    std::vector<size_t> found;
    for (size_t i = 0; i + 1 < size; ++i) {
        for (const auto& pair : kPairs) {
            if (data[i] == pair[0] && data[i + 1] == pair[1]) {
                found.push_back(i);
                break;
            }
        }
    }
    return found;
}

std::vector<size_t> PairsBySearch(Search search, const uint8_t* data, size_t size) {
    std::vector<size_t> found;
    const uint8_t* limit = data + size;
    for (const uint8_t* p = data; (p = search(p, limit)) != nullptr; ++p) {
        EXPECT_LT(p + 1, limit);
        found.push_back(static_cast<size_t>(p - data));
    }
    return found;
}

// Random bytes where the bytes of the pairs are frequent, so that lone first
// bytes, lone second bytes and pairs of the wrong kind (FF 50, 89 D8, G M)
// come up near every planted pair.
std::vector<uint8_t> NearMisses(size_t size, std::mt19937& random) {
    const uint8_t frequent[] = {0xFF, 0xD8, 0x89, 0x50, 'G', 'I', 'B', 'M', 'E'};
    std::vector<uint8_t> bytes(size);
    for (uint8_t& byte : bytes) {
        unsigned value = random();
        byte = (value & 0x300) == 0 ? static_cast<uint8_t>(value)
                                    : frequent[(value >> 10) % sizeof frequent];
    }
    return bytes;
}

// The bytes copied into an allocation of exactly their size, starting at the
// given alignment: the sanitizer then sees any read outside them.
class ExactBuffer {
public:
    ExactBuffer(const std::vector<uint8_t>& bytes, size_t alignment)
        : m_storage(new uint8_t[alignment + bytes.size()]), m_data(m_storage.get() + alignment) {
        if (!bytes.empty()) std::memcpy(m_data, bytes.data(), bytes.size());
    }
    const uint8_t* Data() const { return m_data; }

private:
    std::unique_ptr<uint8_t[]> m_storage;
    uint8_t* m_data;
};

const Search kSearches[] = {FindSignaturePrefix, FindSignaturePrefixPortable};

TEST(SignatureSearch, FindsEachPlantedPairAtEveryOffsetAndAlignment) {
    std::mt19937 random(7);
    for (size_t alignment = 0; alignment < 32; ++alignment) {
        for (size_t offset = 0; offset + 2 <= 80; ++offset) {
            std::vector<uint8_t> bytes = NearMisses(80, random);
            const uint8_t* pair = kPairs[offset % 5];
            bytes[offset] = pair[0];
            bytes[offset + 1] = pair[1];
            ExactBuffer buffer(bytes, alignment);
            std::vector<size_t> expected = PairsByHand(buffer.Data(), bytes.size());
            ASSERT_NE(std::find(expected.begin(), expected.end(), offset), expected.end());
            for (Search search : kSearches) {
                EXPECT_EQ(PairsBySearch(search, buffer.Data(), bytes.size()), expected)
                    << "alignment " << alignment << ", offset " << offset;
            }
        }
    }
}

TEST(SignatureSearch, AgreesWithAByteByByteReadingOverRandomData) {
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        size_t size =
            round % 20 == 0 ? random() % 5000 : random() % 300;  // a few across several windows
        std::vector<uint8_t> bytes = NearMisses(size, random);
        ExactBuffer buffer(bytes, random() % 32);
        std::vector<size_t> expected = PairsByHand(buffer.Data(), size);
        for (Search search : kSearches)
            EXPECT_EQ(PairsBySearch(search, buffer.Data(), size), expected) << "size " << size;
    }
}

// Where the portable search's windows end in a range of the size: they grow
// from 256 bytes, doubling up to 64 KB.
std::vector<size_t> WindowEnds(size_t size) {
    std::vector<size_t> ends;
    for (size_t end = 256, window = 512; end < size;
         end += window, window = std::min<size_t>(window * 2, 64 << 10))
        ends.push_back(end);
    return ends;
}

TEST(SignatureSearch, FindsAPairAtEveryOffsetAroundAWindowsEndAndAtTheLastPosition) {
    constexpr size_t kSize = 200 << 10;
    const uint8_t pairs[][2] = {{0xFF, 0xD8}, {0x89, 0x50}};
    for (size_t end : WindowEnds(kSize)) {
        for (const auto& pair : pairs) {
            auto expectFound = [&](size_t size, size_t at) {
                std::vector<uint8_t> bytes(size, 0x00);
                bytes[at] = pair[0];
                bytes[at + 1] = pair[1];
                ExactBuffer buffer(bytes, 0);
                for (Search search : kSearches)
                    EXPECT_EQ(search(buffer.Data(), buffer.Data() + size), buffer.Data() + at)
                        << "window end " << end << ", pair at " << at << ", size " << size;
            };
            // Before the window's end, across it and after it.
            for (size_t at = end - 2; at <= end + 1; ++at) expectFound(kSize, at);
            // The last two bytes of a range that ends around the window's end.
            for (size_t size = end; size <= end + 2; ++size) expectFound(size, size - 2);
        }
    }
}

TEST(SignatureSearch, APairCutByTheEndOfTheRangeIsNotFound) {
    // The first byte of the pair is the last of the range, at every distance
    // from a vector's edge; the second lies beyond and must not be read.
    for (size_t size = 1; size <= 70; ++size) {
        for (const auto& pair : kPairs) {
            uint8_t first = pair[0];
            std::vector<uint8_t> bytes(size, 0x00);
            bytes.back() = first;
            ExactBuffer buffer(bytes, size % 16);
            for (Search search : kSearches)
                EXPECT_EQ(search(buffer.Data(), buffer.Data() + size), nullptr) << "size " << size;
        }
    }
    for (Search search : kSearches) {
        ExactBuffer empty(std::vector<uint8_t>{0xFF}, 0);
        EXPECT_EQ(search(empty.Data(), empty.Data()), nullptr);
    }
}

}  // namespace
