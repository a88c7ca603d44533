// ZipPackage.cpp
#include "recovery/ZipPackage.h"

#include "recovery/DocumentReader.h"
#include "recovery/InflateSource.h"
#include "recovery/SliceSource.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t kLocalHeader = 0x04034B50;
constexpr uint32_t kCentralHeader = 0x02014B50;
constexpr uint32_t kEndOfDirectory = 0x06054B50;
constexpr uint32_t kZip64EndOfDirectory = 0x06064B50;
constexpr uint32_t kZip64Locator = 0x07064B50;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kLongestComment = 0xFFFF;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kSizesFollowData = 1 << 3;
constexpr uint16_t kZip64Extra = 0x0001;
constexpr uint32_t kSizeInZip64 = 0xFFFFFFFF;

struct EntrySizes {
    uint64_t compressed;
    uint64_t uncompressed;
    uint64_t localHeader;
};

// Replaces the 32-bit sizes marked as too small by the ZIP64 extra field's.
void ReadZip64Sizes(const std::vector<uint8_t>& extra, EntrySizes& sizes, bool withOffset) {
    for (size_t at = 0; at + 4 <= extra.size();) {
        uint16_t id = Little16(&extra[at]);
        size_t length = Little16(&extra[at + 2]);
        size_t field = at + 4;
        size_t end = std::min(extra.size(), field + length);
        if (id == kZip64Extra) {
            auto take = [&](uint64_t& value) {
                if (value != kSizeInZip64 || field + 8 > end) return;
                value = Little64(&extra[field]);
                field += 8;
            };
            take(sizes.uncompressed);
            take(sizes.compressed);
            if (withOffset) take(sizes.localHeader);
            return;
        }
        at = field + length;
    }
}

std::vector<uint8_t> ReadBytes(ByteSource& source, uint64_t offset, size_t size) {
    std::vector<uint8_t> bytes(size);
    bytes.resize(source.ReadAt(offset, bytes.data(), size));
    return bytes;
}

// The entry whose local header lies at offset; false when there is none.
// Sizes the local header leaves to a data descriptor stay unknown.
bool ReadLocalEntry(const std::shared_ptr<ByteSource>& archive, uint64_t offset, EntrySizes sizes,
                    bool sizesKnown, uint16_t method, ZipEntry& entry) {
    uint8_t header[kLocalHeaderSize];
    if (!ReadExactly(*archive, offset, header, sizeof header) || Little32(header) != kLocalHeader)
        return false;
    uint16_t nameLength = Little16(header + 26);
    uint16_t extraLength = Little16(header + 28);
    if (!sizesKnown) {
        method = Little16(header + 8);
        sizesKnown = (Little16(header + 6) & kSizesFollowData) == 0;
        sizes.compressed = Little32(header + 18);
        sizes.uncompressed = Little32(header + 22);
        ReadZip64Sizes(ReadBytes(*archive, offset + kLocalHeaderSize + nameLength, extraLength),
                       sizes, false);
    }
    entry.compressedStart = offset + kLocalHeaderSize + nameLength + extraLength;
    entry.compressedSize = sizesKnown ? sizes.compressed : ByteSource::kUnknownSize;
    uint64_t size = sizesKnown ? sizes.uncompressed : ByteSource::kUnknownSize;
    if (method == kStored && sizesKnown) {
        entry.data = std::make_shared<SliceSource>(archive, entry.compressedStart, size);
    } else if (method == kDeflated) {
        entry.deflated = true;
        entry.data = std::make_shared<InflateSource>(archive, entry.compressedStart,
                                                     entry.compressedSize, size);
    } else {
        return false;  // another compression, or stored data of unknown length
    }
    return true;
}

}  // namespace

bool ZipPackage::StartsWithSignature(ByteSource& source) { return StartsWith(source, kSignature); }

void ZipPackage::ForEachEntry(const std::shared_ptr<ByteSource>& archive,
                              const EntryVisitor& visit) {
    if (!ReadCentralDirectory(archive, visit)) WalkLocalHeaders(archive, visit);
}

bool ZipPackage::ReadCentralDirectory(const std::shared_ptr<ByteSource>& archive,
                                      const EntryVisitor& visit) {
    uint64_t size = archive->Size();
    if (size == ByteSource::kUnknownSize || size < kEndOfDirectorySize) return false;
    uint64_t tailStart = size - std::min<uint64_t>(size, kEndOfDirectorySize + kLongestComment);
    std::vector<uint8_t> tail =
        ReadBytes(*archive, tailStart, static_cast<size_t>(size - tailStart));
    if (tail.size() < kEndOfDirectorySize) return false;
    size_t at = tail.size() - kEndOfDirectorySize + 1;
    do {
        --at;
    } while (at > 0 && Little32(&tail[at]) != kEndOfDirectory);
    if (Little32(&tail[at]) != kEndOfDirectory) return false;
    uint64_t count = Little16(&tail[at + 10]);
    uint64_t directory = Little32(&tail[at + 16]);
    uint64_t endRecord = tailStart + at;
    uint8_t locator[20];
    if (endRecord >= sizeof locator &&
        ReadExactly(*archive, endRecord - sizeof locator, locator, sizeof locator) &&
        Little32(locator) == kZip64Locator) {
        uint8_t record[56];
        if (!ReadExactly(*archive, Little64(locator + 8), record, sizeof record) ||
            Little32(record) != kZip64EndOfDirectory)
            return false;
        count = Little64(record + 32);
        directory = Little64(record + 48);
    }
    // Entries are checked before any is visited: a directory that is damaged
    // anywhere is set aside for the local headers.
    std::vector<ZipEntry> entries;
    uint64_t offset = directory;
    for (uint64_t index = 0; index < count; ++index) {
        uint8_t header[kCentralHeaderSize];
        if (!ReadExactly(*archive, offset, header, sizeof header) ||
            Little32(header) != kCentralHeader)
            return false;
        uint16_t nameLength = Little16(header + 28);
        uint16_t extraLength = Little16(header + 30);
        uint16_t commentLength = Little16(header + 32);
        EntrySizes sizes{Little32(header + 20), Little32(header + 24), Little32(header + 42)};
        ReadZip64Sizes(ReadBytes(*archive, offset + kCentralHeaderSize + nameLength, extraLength),
                       sizes, true);
        ZipEntry entry;
        if (ReadLocalEntry(archive, sizes.localHeader, sizes, true, Little16(header + 10), entry))
            entries.push_back(std::move(entry));
        else if (!ReadExactly(*archive, sizes.localHeader, header, 4) ||
                 Little32(header) != kLocalHeader)
            return false;
        offset += kCentralHeaderSize + nameLength + extraLength + commentLength;
    }
    // Entries that share compressed data (a directory pointing many times at
    // one entry, the way archives built to inflate without end do) are read once.
    std::stable_sort(entries.begin(), entries.end(), [](const ZipEntry& a, const ZipEntry& b) {
        return a.compressedStart < b.compressedStart;
    });
    uint64_t readUpTo = 0;
    for (const ZipEntry& entry : entries) {
        if (entry.compressedStart < readUpTo) continue;
        uint64_t length = std::max<uint64_t>(entry.compressedSize, 1);
        readUpTo = length > ByteSource::kUnknownSize - entry.compressedStart
                       ? ByteSource::kUnknownSize
                       : entry.compressedStart + length;
        visit(entry);
    }
    return true;
}

void ZipPackage::WalkLocalHeaders(const std::shared_ptr<ByteSource>& archive,
                                  const EntryVisitor& visit) {
    constexpr size_t kSearchBlock = 64 * 1024;
    uint64_t next = 0;
    for (;;) {
        DocumentReader search(*archive, kSearchBlock, next);
        if (!search.SkipTo(kSignature, sizeof kSignature)) return;
        uint64_t offset = search.Position();
        ZipEntry entry;
        if (!ReadLocalEntry(archive, offset, EntrySizes{}, false, 0, entry)) {
            next = offset + 1;
            continue;
        }
        visit(entry);
        next = entry.compressedStart;
        if (entry.compressedSize != ByteSource::kUnknownSize) {
            next += entry.compressedSize;
        } else if (entry.deflated) {
            auto* inflated = static_cast<InflateSource*>(entry.data.get());
            if (inflated->Complete()) next += inflated->CompressedBytesUsed();
        }
    }
}
