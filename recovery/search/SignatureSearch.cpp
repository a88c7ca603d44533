// SignatureSearch.cpp
#include "recovery/search/SignatureSearch.h"

#include "recovery/pictures/PictureKindTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define VELMO_HAVE_AVX2_SEARCH 1
#endif

namespace {

struct Pair {
    uint8_t first;
    uint8_t second;
};

// The pairs of the kinds the search looks for, in the table's order.
constexpr size_t CountSearchedKinds() {
    size_t count = 0;
    for (const PictureKindInfo& info : kPictureKindTable) count += info.search.Searched();
    return count;
}
constexpr size_t kPairCount = CountSearchedKinds();

constexpr std::array<Pair, kPairCount> SearchedPairs() {
    std::array<Pair, kPairCount> pairs{};
    size_t next = 0;
    for (const PictureKindInfo& info : kPictureKindTable) {
        if (info.search.Searched()) pairs[next++] = {info.search.first, info.search.second};
    }
    return pairs;
}
constexpr std::array<Pair, kPairCount> kPairs = SearchedPairs();

constexpr Pair PairOf(PictureKind kind) {
    return {KindInfo(kind).search.first, KindInfo(kind).search.second};
}

// The vector searches compare each pair by name, written out for speed: a
// kind the table searches for besides these needs its comparison there too.
// EMF's pair is the middle of its " EMF": the signature lies 40 bytes into
// its header, behind fields that vary. BMP's and EMF's pairs end alike, so
// the vector search compares one second byte for both.
static_assert(kPairCount == 5, "the vector searches compare JPEG, PNG, GIF, BMP and EMF pairs");
static_assert(PairOf(PictureKind::Bmp).second == PairOf(PictureKind::Emf).second,
              "BMP and EMF share a second byte");

// The next position in [from, end) holding the byte, or end.
const uint8_t* Next(const uint8_t* from, const uint8_t* end, uint8_t byte) {
    const void* found = std::memchr(from, byte, end - from);
    return found != nullptr ? static_cast<const uint8_t*>(found) : end;
}

constexpr size_t kFirstWindow = 256;
constexpr size_t kLargestWindow = 64 * 1024;

// The first pair starting in [from, end); the byte at end may be read as a
// pair's second byte. Each first byte is looked for with memchr, the fastest
// search the C runtime offers everywhere; the second byte is checked where it
// is found.
const uint8_t* FindInWindow(const uint8_t* from, const uint8_t* end) {
    const uint8_t* next[kPairCount];
    for (size_t i = 0; i < kPairCount; ++i) next[i] = Next(from, end, kPairs[i].first);
    for (;;) {
        size_t nearest = 0;
        for (size_t i = 1; i < kPairCount; ++i) {
            if (next[i] < next[nearest]) nearest = i;
        }
        const uint8_t* p = next[nearest];
        if (p == end) return nullptr;
        if (p[1] == kPairs[nearest].second) return p;
        next[nearest] = Next(p + 1, end, kPairs[nearest].first);
    }
}

#if defined(__SSE2__)
__m128i Repeated(uint8_t byte) { return _mm_set1_epi8(static_cast<char>(byte)); }

// Sixteen positions at a time: the bytes at p and at p + 1 are compared with
// every pair at once, so a candidate costs nothing unless both bytes match.
// In random data that happens once in 13 KB instead of once in 128 bytes.
// Written out pair by pair: the scan's speed over data without pictures is
// this loop's, and the compiler keeps every constant in a register so.
const uint8_t* FindWithSse2(const uint8_t* from, const uint8_t* limit) {
    constexpr size_t kWidth = 16;
    constexpr Pair kJpeg = PairOf(PictureKind::Jpeg), kPng = PairOf(PictureKind::Png);
    constexpr Pair kGif = PairOf(PictureKind::Gif), kBmp = PairOf(PictureKind::Bmp);
    const __m128i jpegFirst = Repeated(kJpeg.first), jpegSecond = Repeated(kJpeg.second);
    const __m128i pngFirst = Repeated(kPng.first), pngSecond = Repeated(kPng.second);
    const __m128i gifFirst = Repeated(kGif.first), gifSecond = Repeated(kGif.second);
    const __m128i bmpFirst = Repeated(kBmp.first);
    const __m128i emfFirst = Repeated(PairOf(PictureKind::Emf).first);
    const __m128i sharedSecond = Repeated(kBmp.second);
    const uint8_t* p = from;
    // Both loads stay inside [from, limit): the second reads up to p + 16.
    for (; limit - p > static_cast<ptrdiff_t>(kWidth); p += kWidth) {
        __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        __m128i jpeg =
            _mm_and_si128(_mm_cmpeq_epi8(first, jpegFirst), _mm_cmpeq_epi8(second, jpegSecond));
        __m128i png =
            _mm_and_si128(_mm_cmpeq_epi8(first, pngFirst), _mm_cmpeq_epi8(second, pngSecond));
        __m128i gif =
            _mm_and_si128(_mm_cmpeq_epi8(first, gifFirst), _mm_cmpeq_epi8(second, gifSecond));
        __m128i bmpOrEmf = _mm_and_si128(
            _mm_or_si128(_mm_cmpeq_epi8(first, bmpFirst), _mm_cmpeq_epi8(first, emfFirst)),
            _mm_cmpeq_epi8(second, sharedSecond));
        __m128i lanes = _mm_or_si128(_mm_or_si128(jpeg, png), _mm_or_si128(gif, bmpOrEmf));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(lanes));
        if (mask != 0) return p + __builtin_ctz(mask);
    }
    return FindSignaturePrefixPortable(p, limit);
}
#endif

#if defined(VELMO_HAVE_AVX2_SEARCH)
// The same comparisons 32 positions at a time, on processors that have AVX2:
// five pairs cost twice the comparisons of two, and this wins them back.
__attribute__((target("avx2"))) const uint8_t* FindWithAvx2(const uint8_t* from,
                                                            const uint8_t* limit) {
    constexpr size_t kWidth = 32;
#define VELMO_REPEATED(byte) _mm256_set1_epi8(static_cast<char>(byte))
    constexpr Pair kJpeg = PairOf(PictureKind::Jpeg), kPng = PairOf(PictureKind::Png);
    constexpr Pair kGif = PairOf(PictureKind::Gif), kBmp = PairOf(PictureKind::Bmp);
    const __m256i jpegFirst = VELMO_REPEATED(kJpeg.first);
    const __m256i jpegSecond = VELMO_REPEATED(kJpeg.second);
    const __m256i pngFirst = VELMO_REPEATED(kPng.first);
    const __m256i pngSecond = VELMO_REPEATED(kPng.second);
    const __m256i gifFirst = VELMO_REPEATED(kGif.first);
    const __m256i gifSecond = VELMO_REPEATED(kGif.second);
    const __m256i bmpFirst = VELMO_REPEATED(kBmp.first);
    const __m256i emfFirst = VELMO_REPEATED(PairOf(PictureKind::Emf).first);
    const __m256i sharedSecond = VELMO_REPEATED(kBmp.second);
#undef VELMO_REPEATED
    const uint8_t* p = from;
    for (; limit - p > static_cast<ptrdiff_t>(kWidth); p += kWidth) {
        __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
        __m256i jpeg = _mm256_and_si256(_mm256_cmpeq_epi8(first, jpegFirst),
                                        _mm256_cmpeq_epi8(second, jpegSecond));
        __m256i png = _mm256_and_si256(_mm256_cmpeq_epi8(first, pngFirst),
                                       _mm256_cmpeq_epi8(second, pngSecond));
        __m256i gif = _mm256_and_si256(_mm256_cmpeq_epi8(first, gifFirst),
                                       _mm256_cmpeq_epi8(second, gifSecond));
        __m256i bmpOrEmf = _mm256_and_si256(
            _mm256_or_si256(_mm256_cmpeq_epi8(first, bmpFirst), _mm256_cmpeq_epi8(first, emfFirst)),
            _mm256_cmpeq_epi8(second, sharedSecond));
        __m256i lanes = _mm256_or_si256(_mm256_or_si256(jpeg, png), _mm256_or_si256(gif, bmpOrEmf));
        unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(lanes));
        if (mask != 0) return p + __builtin_ctz(mask);
    }
    return FindSignaturePrefixPortable(p, limit);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

}  // namespace

const uint8_t* FindSignaturePrefixPortable(const uint8_t* from, const uint8_t* limit) {
    if (limit - from < 2) return nullptr;
    // A pair must start before the last byte. The range is searched in
    // windows that grow from a small one: each memchr runs to its window's
    // end when its byte is absent, so a search started right before a
    // signature, as after every picture, stays as short as the distance to it.
    const uint8_t* last = limit - 1;
    size_t window = kFirstWindow;
    for (const uint8_t* start = from; start < last;) {
        const uint8_t* end = static_cast<size_t>(last - start) > window ? start + window : last;
        const uint8_t* found = FindInWindow(start, end);
        if (found != nullptr) return found;
        start = end;
        window = std::min(window * 2, kLargestWindow);
    }
    return nullptr;
}

const uint8_t* FindSignaturePrefix(const uint8_t* from, const uint8_t* limit) {
#if defined(VELMO_HAVE_AVX2_SEARCH)
    if (HasAvx2()) return FindWithAvx2(from, limit);
#endif
#if defined(__SSE2__)
    return FindWithSse2(from, limit);
#else
    return FindSignaturePrefixPortable(from, limit);
#endif
}
