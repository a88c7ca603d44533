// PictureHeaders.cpp
#include "recovery/pictures/PictureHeaders.h"

#include "base/LittleEndian.h"
#include "recovery/pictures/BmpWalk.h"
#include "recovery/bytes/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kBitmapFileHeaderSize = 14;
constexpr size_t kPictHeaderSize = 512;
constexpr int32_t kEmuPerInch = 914400;
constexpr int32_t kDefaultUnitsPerInch = 1440;
// Enough of a picture's first bytes for any header made from them.
constexpr size_t kHeadSize = 64;

void Put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, static_cast<uint16_t>(value));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

int16_t Clamp16(int32_t value) {
    return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace

std::vector<uint8_t> BitmapFileHeader(const uint8_t* dib, size_t available, uint64_t dibSize) {
    uint64_t pixels = 0;
    uint64_t fileSize = kBitmapFileHeaderSize + dibSize;
    if (!BitmapPixelOffset(dib, available, pixels) || pixels > fileSize || fileSize > UINT32_MAX)
        return {};
    std::vector<uint8_t> header = {'B', 'M'};
    Put32(header, static_cast<uint32_t>(fileSize));
    Put32(header, 0);
    Put32(header, static_cast<uint32_t>(pixels));
    return header;
}

std::vector<uint8_t> PlaceableMetafileHeader(const MetafileBounds& bounds) {
    int64_t width = int64_t{bounds.right} - bounds.left;
    int64_t unitsPerInch = kDefaultUnitsPerInch;
    if (width > 0 && bounds.widthEmu > 0)
        unitsPerInch = std::clamp<int64_t>(width * kEmuPerInch / bounds.widthEmu, 1, UINT16_MAX);
    std::vector<uint8_t> header(std::begin(kPlaceableMetafileKey), std::end(kPlaceableMetafileKey));
    Put16(header, 0);  // no metafile handle
    Put16(header, static_cast<uint16_t>(Clamp16(bounds.left)));
    Put16(header, static_cast<uint16_t>(Clamp16(bounds.top)));
    Put16(header, static_cast<uint16_t>(Clamp16(bounds.right)));
    Put16(header, static_cast<uint16_t>(Clamp16(bounds.bottom)));
    Put16(header, static_cast<uint16_t>(unitsPerInch));
    Put32(header, 0);
    uint16_t checksum = 0;
    for (size_t i = 0; i < header.size(); i += 2) checksum ^= Little16(&header[i]);
    Put16(header, checksum);
    return header;
}

std::vector<uint8_t> PictFileHeader() { return std::vector<uint8_t>(kPictHeaderSize, 0); }

// The window's records come first in a metafile: the walk stops at the first
// drawing records.
MetafileBounds MetafileWindow(ByteSource& metafile, uint64_t size) {
    constexpr uint64_t kMetafileHeaderSize = 18;
    constexpr int kRecordsLookedAt = 64;
    constexpr uint16_t kSetWindowOrigin = 0x020B;
    constexpr uint16_t kSetWindowExtent = 0x020C;
    MetafileBounds bounds;
    int16_t originX = 0;
    int16_t originY = 0;
    uint64_t at = kMetafileHeaderSize;
    for (int record = 0; record < kRecordsLookedAt && at + 10 <= size; ++record) {
        uint8_t head[10];
        if (!ReadExactly(metafile, at, head, sizeof head)) break;
        uint64_t words = Little32(head);
        uint16_t function = Little16(head + 4);
        if (words < 3) break;
        int16_t y = static_cast<int16_t>(Little16(head + 6));
        int16_t x = static_cast<int16_t>(Little16(head + 8));
        if (function == kSetWindowOrigin) {
            originX = x;
            originY = y;
        } else if (function == kSetWindowExtent) {
            bounds.left = originX;
            bounds.top = originY;
            bounds.right = originX + x;
            bounds.bottom = originY + y;
        }
        at += words * 2;
    }
    return bounds;
}

bool AddBitmapFileHeader(const KeptPicture& kept, std::vector<uint8_t>& header) {
    uint8_t head[kHeadSize] = {};
    size_t got = kept.source.ReadAt(kept.start, head, sizeof head);
    header = BitmapFileHeader(head, got, kept.size);
    return !header.empty();
}

bool AddPictFileHeader(const KeptPicture&, std::vector<uint8_t>& header) {
    header = PictFileHeader();
    return true;
}

// A metafile kept with its placeable header needs none.
bool AddPlaceableMetafileHeader(const KeptPicture& kept, std::vector<uint8_t>& header) {
    uint8_t key[sizeof kPlaceableMetafileKey];
    if (ReadExactly(kept.source, kept.start, key, sizeof key) &&
        std::memcmp(key, kPlaceableMetafileKey, sizeof key) == 0) {
        header.clear();
        return true;
    }
    header = PlaceableMetafileHeader(kept.bounds());
    return true;
}
