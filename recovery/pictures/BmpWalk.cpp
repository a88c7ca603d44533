// BmpWalk.cpp
#include "recovery/pictures/BmpWalk.h"

#include "base/LittleEndian.h"
#include "recovery/bytes/DocumentReader.h"
#include "recovery/pictures/WalkAt.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <cstdint>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kInfoHeaderSizes[] = {kCoreHeaderSize, kInfoHeaderSize, 52, 56, 108, 124};
constexpr int64_t kLargestSide = 1 << 16;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4,
                              kPng = 5, kAlphaBitFields = 6 };

uint32_t U32(const uint8_t* p) { return Little32(p); }
uint16_t U16(const uint8_t* p) { return Little16(p); }
int32_t I32(const uint8_t* p) { return static_cast<int32_t>(Little32(p)); }

struct Bitmap {
    uint32_t headerSize;
    int64_t width;
    int64_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression = kRgb;
    uint32_t imageSize = 0;
    uint32_t coloursUsed = 0;
};

Bitmap ReadInfoHeader(const uint8_t* info, uint32_t headerSize) {
    Bitmap bitmap{};
    bitmap.headerSize = headerSize;
    if (headerSize == kCoreHeaderSize) {
        bitmap.width = U16(info + 4);
        bitmap.height = U16(info + 6);
        bitmap.planes = U16(info + 8);
        bitmap.bitCount = U16(info + 10);
        return bitmap;
    }
    bitmap.width = I32(info + 4);
    // A negative height stores the rows top down.
    bitmap.height = std::abs(int64_t{I32(info + 8)});
    bitmap.planes = U16(info + 12);
    bitmap.bitCount = U16(info + 14);
    bitmap.compression = U32(info + 16);
    bitmap.imageSize = U32(info + 20);
    bitmap.coloursUsed = U32(info + 32);
    return bitmap;
}

bool IsCompressed(uint32_t compression) {
    return compression == kRle8 || compression == kRle4 || compression == kJpeg ||
           compression == kPng;
}

// Run-length pixels have the one depth their coding is for; JPEG and PNG
// pixels carry their depth themselves and may leave it zero here.
bool DepthFits(const Bitmap& bitmap) {
    switch (bitmap.compression) {
    case kRle8: return bitmap.bitCount == 8;
    case kRle4: return bitmap.bitCount == 4;
    case kJpeg:
    case kPng: return bitmap.bitCount == 0 || bitmap.bitCount == 24 || bitmap.bitCount == 32;
    case kBitFields:
    case kAlphaBitFields: return bitmap.bitCount == 16 || bitmap.bitCount == 32;
    case kRgb: break;
    default: return false;
    }
    const uint16_t depths[] = {1, 4, 8, 16, 24, 32};
    return std::find(std::begin(depths), std::end(depths), bitmap.bitCount) != std::end(depths);
}

bool Plausible(const Bitmap& bitmap) {
    if (bitmap.headerSize == kCoreHeaderSize && bitmap.compression != kRgb) return false;
    return bitmap.width > 0 && bitmap.width <= kLargestSide && bitmap.height > 0 &&
           bitmap.height <= kLargestSide && bitmap.planes == 1 && DepthFits(bitmap);
}

// Headers, the colour masks an old info header keeps behind it, and the colour table.
uint64_t BytesBeforePixels(const Bitmap& bitmap) {
    uint64_t masks = 0;
    if (bitmap.headerSize == kInfoHeaderSize && bitmap.compression == kBitFields) masks = 12;
    if (bitmap.headerSize == kInfoHeaderSize && bitmap.compression == kAlphaBitFields) masks = 16;
    // Deeper bitmaps may carry a colour table too, when their header counts one.
    uint64_t colours = bitmap.coloursUsed;
    if (colours == 0 && bitmap.bitCount >= 1 && bitmap.bitCount <= 8) colours = 1u << bitmap.bitCount;
    uint64_t entrySize = bitmap.headerSize == kCoreHeaderSize ? 3 : 4;
    return kFileHeaderSize + bitmap.headerSize + masks + colours * entrySize;
}

// Uncompressed rows are padded to four bytes.
uint64_t PixelBytes(const Bitmap& bitmap) {
    if (IsCompressed(bitmap.compression)) return bitmap.imageSize;
    uint64_t rowBytes = (static_cast<uint64_t>(bitmap.width) * bitmap.bitCount + 31) / 32 * 4;
    return rowBytes * static_cast<uint64_t>(bitmap.height);
}

// The info header at info, when it is a known one and plausible.
bool ReadPlausibleHeader(const uint8_t* info, size_t available, Bitmap& bitmap) {
    if (available < 4) return false;
    uint32_t headerSize = U32(info);
    bool knownHeader = std::find(std::begin(kInfoHeaderSizes), std::end(kInfoHeaderSizes),
                                 headerSize) != std::end(kInfoHeaderSizes);
    if (!knownHeader || available < std::min(headerSize, kInfoHeaderSize)) return false;
    bitmap = ReadInfoHeader(info, headerSize);
    return Plausible(bitmap);
}

}  // namespace

bool BitmapPixelOffset(const uint8_t* dib, size_t available, uint64_t& pixelsAt) {
    Bitmap bitmap;
    if (!ReadPlausibleHeader(dib, available, bitmap)) return false;
    pixelsAt = BytesBeforePixels(bitmap);
    return true;
}

bool BmpFileHolds(const uint8_t* bytes, size_t available, uint64_t& fileSize) {
    if (available < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M' ||
        U32(bytes + 6) != 0)
        return false;
    uint32_t size = U32(bytes + 2);
    uint32_t pixelsAt = U32(bytes + 10);
    Bitmap bitmap;
    if (!ReadPlausibleHeader(bytes + kFileHeaderSize, available - kFileHeaderSize, bitmap) ||
        pixelsAt < BytesBeforePixels(bitmap) || pixelsAt > size ||
        PixelBytes(bitmap) > size - pixelsAt)
        return false;
    fileSize = size;
    return true;
}

bool WalkBmpPicture(DocumentReader& reader) {
    uint8_t copy[kBmpHeadersSize];
    size_t got = 0;
    const uint8_t* headers = BytesAtCursor(reader, sizeof copy, copy, got);
    uint64_t size = 0;
    return BmpFileHolds(headers, got, size) && size <= reader.Remaining() &&
           reader.SkipAhead(size);
}

