// SignatureSearch.cpp
#include "recovery/SignatureSearch.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr uint8_t kJpegFirst = 0xFF;
constexpr uint8_t kJpegSecond = 0xD8;
constexpr uint8_t kPngFirst = 0x89;
constexpr uint8_t kPngSecond = 0x50;

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
    const uint8_t* jpeg = Next(from, end, kJpegFirst);
    const uint8_t* png = Next(from, end, kPngFirst);
    while (jpeg != end || png != end) {
        if (jpeg < png) {
            if (jpeg[1] == kJpegSecond) return jpeg;
            jpeg = Next(jpeg + 1, end, kJpegFirst);
        } else {
            if (png[1] == kPngSecond) return png;
            png = Next(png + 1, end, kPngFirst);
        }
    }
    return nullptr;
}

#if defined(__SSE2__)
// Sixteen positions at a time: the bytes at p and at p + 1 are compared with
// both pairs at once, so a candidate costs nothing unless both bytes match.
// In random data that happens once in 32 KB instead of once in 128 bytes.
const uint8_t* FindWithSse2(const uint8_t* from, const uint8_t* limit) {
    constexpr size_t kWidth = 16;
    const __m128i jpegFirst = _mm_set1_epi8(static_cast<char>(kJpegFirst));
    const __m128i jpegSecond = _mm_set1_epi8(static_cast<char>(kJpegSecond));
    const __m128i pngFirst = _mm_set1_epi8(static_cast<char>(kPngFirst));
    const __m128i pngSecond = _mm_set1_epi8(static_cast<char>(kPngSecond));
    const uint8_t* p = from;
    // Both loads stay inside [from, limit): the second reads up to p + 16.
    for (; limit - p > static_cast<ptrdiff_t>(kWidth); p += kWidth) {
        __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        __m128i jpeg =
            _mm_and_si128(_mm_cmpeq_epi8(first, jpegFirst), _mm_cmpeq_epi8(second, jpegSecond));
        __m128i png =
            _mm_and_si128(_mm_cmpeq_epi8(first, pngFirst), _mm_cmpeq_epi8(second, pngSecond));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(jpeg, png)));
        if (mask != 0) return p + __builtin_ctz(mask);
    }
    return FindSignaturePrefixPortable(p, limit);
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
#if defined(__SSE2__)
    return FindWithSse2(from, limit);
#else
    return FindSignaturePrefixPortable(from, limit);
#endif
}
