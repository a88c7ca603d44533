// ZipPackage.cpp
#include "recovery/containers/ZipPackage.h"

#include "recovery/bytes/DocumentReader.h"
#include "recovery/bytes/InflateSource.h"
#include "recovery/bytes/SliceSource.h"

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
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kZip64EndOfDirectorySize = 56;
constexpr size_t kLongestComment = 0xFFFF;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kSizesFollowData = 1 << 3;
constexpr uint16_t kZip64Extra = 0x0001;
constexpr uint32_t kSizeInZip64 = 0xFFFFFFFF;

// What a central or local header says of an entry.
struct EntryRecord {
    uint64_t localHeader = 0;
    uint64_t dataStart = 0;  // known once the local header was read
    uint64_t compressed = ByteSource::kUnknownSize;
    uint64_t uncompressed = ByteSource::kUnknownSize;
    uint16_t method = kStored;
    std::string name;
};

// Where the central directory lies and how many entries it claims.
struct DirectoryEnd {
    uint64_t directory = 0;
    uint64_t count = 0;
};

std::vector<uint8_t> ReadBytes(ByteSource& source, uint64_t offset, size_t size) {
    std::vector<uint8_t> bytes(size);
    bytes.resize(source.ReadAt(offset, bytes.data(), size));
    return bytes;
}

// Replaces the 32-bit values marked as too small by the ZIP64 extra field's.
void ReadZip64Sizes(const std::vector<uint8_t>& extra, EntryRecord& record, bool withOffset) {
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
            take(record.uncompressed);
            take(record.compressed);
            if (withOffset) take(record.localHeader);
            return;
        }
        at = field + length;
    }
}

// The local header at record.localHeader: where the data starts and, when
// sizesFromHere, the method and sizes too (left unknown when a data
// descriptor after the data holds them). False when no local header is there.
bool ReadLocalHeader(ByteSource& archive, EntryRecord& record, bool sizesFromHere) {
    uint8_t header[kLocalHeaderSize];
    if (!ReadExactly(archive, record.localHeader, header, sizeof header) ||
        Little32(header) != kLocalHeader)
        return false;
    uint16_t nameLength = Little16(header + 26);
    uint16_t extraLength = Little16(header + 28);
    record.dataStart = record.localHeader + kLocalHeaderSize + nameLength + extraLength;
    const std::vector<uint8_t> name =
        ReadBytes(archive, record.localHeader + kLocalHeaderSize, nameLength);
    record.name.assign(name.begin(), name.end());
    if (!sizesFromHere) return true;
    record.method = Little16(header + 8);
    record.compressed = Little32(header + 18);
    record.uncompressed = Little32(header + 22);
    ReadZip64Sizes(ReadBytes(archive, record.localHeader + kLocalHeaderSize + nameLength,
                             extraLength),
                   record, false);
    // Writers that put the sizes behind the data mostly leave zeros here;
    // some fill them in all the same, and those are the entry's sizes.
    if ((Little16(header + 6) & kSizesFollowData) && (record.compressed == 0 || record.uncompressed == 0)) {
        record.compressed = ByteSource::kUnknownSize;
        record.uncompressed = ByteSource::kUnknownSize;
    }
    return true;
}

// The entry's data as a source; false for a compression this reader does not
// know, and for stored data of unknown length.
bool MakeEntry(const std::shared_ptr<ByteSource>& archive, const EntryRecord& record,
               const std::shared_ptr<InflationBudget>& budget, ZipEntry& entry) {
    entry.compressedStart = record.dataStart;
    entry.compressedSize = record.compressed;
    entry.name = record.name;
    if (record.method == kDeflated) {
        entry.inflated = std::make_shared<InflateSource>(archive, record.dataStart,
                                                         record.compressed, record.uncompressed,
                                                         budget);
        entry.data = entry.inflated;
        return true;
    }
    if (record.method != kStored || record.compressed == ByteSource::kUnknownSize) return false;
    entry.data = std::make_shared<SliceSource>(archive, record.dataStart, record.compressed);
    return true;
}

bool FindDirectoryEnd(ByteSource& archive, DirectoryEnd& end) {
    uint64_t size = archive.Size();
    if (size == ByteSource::kUnknownSize || size < kEndOfDirectorySize) return false;
    uint64_t tailStart = size - std::min<uint64_t>(size, kEndOfDirectorySize + kLongestComment);
    std::vector<uint8_t> tail = ReadBytes(archive, tailStart, static_cast<size_t>(size - tailStart));
    if (tail.size() < kEndOfDirectorySize) return false;
    size_t at = tail.size() - kEndOfDirectorySize + 1;
    do {
        --at;
    } while (at > 0 && Little32(&tail[at]) != kEndOfDirectory);
    if (Little32(&tail[at]) != kEndOfDirectory) return false;
    end.count = Little16(&tail[at + 10]);
    end.directory = Little32(&tail[at + 16]);
    uint64_t endRecord = tailStart + at;
    uint8_t locator[kZip64LocatorSize];
    if (endRecord < sizeof locator ||
        !ReadExactly(archive, endRecord - sizeof locator, locator, sizeof locator) ||
        Little32(locator) != kZip64Locator)
        return true;
    uint8_t record[kZip64EndOfDirectorySize];
    if (!ReadExactly(archive, Little64(locator + 8), record, sizeof record) ||
        Little32(record) != kZip64EndOfDirectory)
        return false;
    end.count = Little64(record + 32);
    end.directory = Little64(record + 48);
    return true;
}

// The directory's records, read in one forward pass; false when a header is
// not where the one before it ends.
bool ReadDirectoryRecords(ByteSource& archive, const DirectoryEnd& end,
                          std::vector<EntryRecord>& records) {
    uint64_t offset = end.directory;
    for (uint64_t index = 0; index < end.count; ++index) {
        uint8_t header[kCentralHeaderSize];
        if (!ReadExactly(archive, offset, header, sizeof header) ||
            Little32(header) != kCentralHeader)
            return false;
        uint16_t nameLength = Little16(header + 28);
        uint16_t extraLength = Little16(header + 30);
        uint16_t commentLength = Little16(header + 32);
        EntryRecord record;
        record.method = Little16(header + 10);
        record.compressed = Little32(header + 20);
        record.uncompressed = Little32(header + 24);
        record.localHeader = Little32(header + 42);
        ReadZip64Sizes(ReadBytes(archive, offset + kCentralHeaderSize + nameLength, extraLength),
                       record, true);
        records.push_back(record);
        offset += kCentralHeaderSize + nameLength + extraLength + commentLength;
    }
    return true;
}

// Entries are checked before any is visited: a directory that is damaged
// anywhere is set aside for the local headers. The local headers are read in
// the order of the file, so that a package inside an inflated entry is read
// forward, not back and forth between its directory and its entries.
bool ReadCentralDirectory(const std::shared_ptr<ByteSource>& archive,
                          const std::shared_ptr<InflationBudget>& budget,
                          const ZipPackage::EntryVisitor& visit) {
    DirectoryEnd end;
    std::vector<EntryRecord> records;
    if (!FindDirectoryEnd(*archive, end) || !ReadDirectoryRecords(*archive, end, records))
        return false;
    std::stable_sort(records.begin(), records.end(),
                     [](const EntryRecord& a, const EntryRecord& b) {
                         return a.localHeader < b.localHeader;
                     });
    for (EntryRecord& record : records) {
        if (!ReadLocalHeader(*archive, record, false)) return false;
    }
    // Entries that share compressed data (a directory pointing many times at
    // one entry, the way archives built to inflate without end do) are read once.
    uint64_t readUpTo = 0;
    for (const EntryRecord& record : records) {
        ZipEntry entry;
        if (record.dataStart < readUpTo || !MakeEntry(archive, record, budget, entry)) continue;
        readUpTo = EndOf(record.dataStart, std::max<uint64_t>(record.compressed, 1));
        visit(entry);
    }
    return true;
}

// Without a directory, each local header gives its entry; the search for the
// next one goes on after the data of this one, as far as its size or its
// deflate stream shows, so that headers inside an entry's data are not taken.
void WalkLocalHeaders(const std::shared_ptr<ByteSource>& archive,
                      const std::shared_ptr<InflationBudget>& budget,
                      const ZipPackage::EntryVisitor& visit) {
    constexpr size_t kSearchBlock = 64 * 1024;
    uint64_t next = 0;
    while (next < archive->Size()) {
        DocumentReader search(*archive, kSearchBlock, next);
        if (!search.SkipTo(ZipPackage::kSignature, sizeof ZipPackage::kSignature)) return;
        EntryRecord record;
        record.localHeader = search.Position();
        ZipEntry entry;
        if (!ReadLocalHeader(*archive, record, true) || !MakeEntry(archive, record, budget, entry)) {
            next = record.localHeader + 1;
            continue;
        }
        visit(entry);
        uint64_t extent = entry.compressedSize;
        if (extent == ByteSource::kUnknownSize) extent = entry.inflated->CompressedExtent();
        next = EndOf(entry.compressedStart, std::max<uint64_t>(extent, 1));
    }
}

}  // namespace

bool ZipPackage::StartsWithSignature(ByteSource& source) { return StartsWith(source, kSignature); }

void ZipPackage::ForEachEntry(const std::shared_ptr<ByteSource>& archive,
                              const std::shared_ptr<InflationBudget>& budget,
                              const EntryVisitor& visit) {
    if (!ReadCentralDirectory(archive, budget, visit)) WalkLocalHeaders(archive, budget, visit);
}
