// CompoundFile.cpp
#include "recovery/CompoundFile.h"

#include "recovery/SectorChain.h"

#include <cstring>

namespace {

constexpr size_t kHeaderSize = 512;
constexpr uint32_t kLastRegularSector = 0xFFFFFFF9;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr unsigned kMiniShift = 6;
constexpr size_t kEntrySize = 128;
constexpr uint8_t kStreamEntry = 2;
constexpr uint8_t kRootEntry = 5;

bool IsSector(uint32_t sector) { return sector <= kLastRegularSector; }

// Directory names are UTF-16; the names that matter here are ASCII.
std::string EntryName(const uint8_t* entry) {
    size_t bytes = std::min<size_t>(Little16(entry + 64), 64);
    std::string name;
    for (size_t i = 0; i + 1 < bytes; i += 2) {
        uint16_t unit = Little16(entry + i);
        if (unit == 0) break;
        name += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return name;
}

}  // namespace

bool CompoundFile::StartsWithSignature(ByteSource& source) {
    return StartsWith(source, kSignature);
}

std::shared_ptr<CompoundFile> CompoundFile::Open(std::shared_ptr<ByteSource> source) {
    std::shared_ptr<CompoundFile> file(new CompoundFile(std::move(source)));
    if (!file->ReadHeader()) return nullptr;
    return file;
}

bool CompoundFile::ReadHeader() {
    uint8_t header[kHeaderSize];
    if (!ReadExactly(*m_source, 0, header, sizeof header) ||
        std::memcmp(header, kSignature, sizeof kSignature) != 0 || Little16(header + 28) != 0xFFFE)
        return false;
    m_shift = Little16(header + 30);
    if ((m_shift != 9 && m_shift != 12) || Little16(header + 32) != kMiniShift) return false;
    m_firstDirectorySector = Little32(header + 48);
    m_miniCutoff = Little32(header + 56);
    m_firstMiniFatSector = Little32(header + 60);
    m_firstDifatSector = Little32(header + 68);
    for (size_t i = 0; i < kHeaderFatEntries; ++i) m_headerFat[i] = Little32(header + 76 + 4 * i);
    m_difatChain.assign(1, m_firstDifatSector);
    uint64_t size = m_source->Size();
    // A file of unknown length is bounded by what 32-bit sector numbers reach.
    m_maxSectors =
        size == ByteSource::kUnknownSize ? uint64_t{kLastRegularSector} + 1 : (size >> m_shift) + 1;
    m_claims = std::make_shared<SectorClaims>(m_maxSectors);
    return true;
}

// Reads the entry-th 32-bit value of a table sector, through a small cache.
bool CompoundFile::ReadTableEntry(uint32_t sector, uint64_t entry, uint32_t& value) {
    const size_t sectorSize = size_t{1} << m_shift;
    CachedSector* cached = nullptr;
    for (CachedSector& slot : m_cache) {
        if (slot.id == sector && !slot.bytes.empty()) cached = &slot;
    }
    if (cached == nullptr) {
        cached = &m_cache[m_nextCacheSlot];
        m_nextCacheSlot = (m_nextCacheSlot + 1) % kCachedSectors;
        cached->bytes.resize(sectorSize);
        cached->id = sector;
        if (!ReadExactly(*m_source, (uint64_t{sector} + 1) << m_shift, cached->bytes.data(),
                         sectorSize)) {
            cached->bytes.clear();
            return false;
        }
    }
    value = Little32(cached->bytes.data() + 4 * entry);
    return true;
}

bool CompoundFile::FatSectorId(uint64_t index, uint32_t& id) {
    if (index < kHeaderFatEntries) {
        id = m_headerFat[index];
        return IsSector(id);
    }
    // Each DIFAT sector holds the ids of further FAT sectors, then the next DIFAT sector.
    const uint64_t perDifat = ((uint64_t{1} << m_shift) / 4) - 1;
    uint64_t rest = index - kHeaderFatEntries;
    uint64_t wanted = rest / perDifat;
    while (m_difatChain.size() <= wanted) {
        uint32_t next;
        uint32_t last = m_difatChain.back();
        if (!IsSector(last) || m_difatChain.size() >= m_maxSectors ||
            !ReadTableEntry(last, perDifat, next))
            return false;
        m_difatChain.push_back(next);
    }
    uint32_t difat = m_difatChain[wanted];
    return IsSector(difat) && ReadTableEntry(difat, rest % perDifat, id) && IsSector(id);
}

bool CompoundFile::KeptEntry(uint32_t sector, uint32_t& value) {
    enum : uint8_t { kUnread, kKept, kUnreadable };
    const uint64_t perSector = (uint64_t{1} << m_shift) / 4;
    uint64_t tableSector = sector / perSector;
    if (m_keptTable.empty()) {
        m_keptTable.assign(static_cast<size_t>((m_maxSectors + perSector - 1) / perSector * perSector), 0);
        m_keptTableSectors.assign(static_cast<size_t>(m_keptTable.size() / perSector), kUnread);
    }
    uint8_t& state = m_keptTableSectors[static_cast<size_t>(tableSector)];
    if (state == kUnread) {
        uint32_t id;
        std::vector<uint8_t> bytes(static_cast<size_t>(perSector * 4));
        state = FatSectorId(tableSector, id) &&
                        ReadExactly(*m_source, (uint64_t{id} + 1) << m_shift, bytes.data(), bytes.size())
                    ? kKept
                    : kUnreadable;
        for (uint64_t i = 0; state == kKept && i < perSector; ++i)
            m_keptTable[static_cast<size_t>(tableSector * perSector + i)] = Little32(&bytes[4 * i]);
    }
    value = m_keptTable[sector];
    return state == kKept;
}

bool CompoundFile::NextSector(uint32_t sector, uint32_t& next) {
    const uint64_t perSector = (uint64_t{1} << m_shift) / 4;
    if (m_maxSectors <= kKeptTableEntries) {
        if (sector >= m_maxSectors) return false;
        return KeptEntry(sector, next) && IsSector(next);
    }
    uint32_t fatSector;
    return IsSector(sector) && FatSectorId(sector / perSector, fatSector) &&
           ReadTableEntry(fatSector, sector % perSector, next) && IsSector(next);
}

std::shared_ptr<ByteSource> CompoundFile::Chain(uint32_t first, uint64_t size) {
    auto self = shared_from_this();
    return std::make_shared<SectorChain>(
        m_source, uint64_t{1} << m_shift, m_shift, first, size, m_maxSectors,
        [self](uint32_t sector, uint32_t& next) { return self->NextSector(sector, next); },
        m_claims);
}

// A chain starts at a sector that the table chains on or ends, and that no
// other sector's entry points to.
void CompoundFile::ForEachChain(const StreamVisitor& visit) {
    uint64_t size = m_source->Size();
    if (size == ByteSource::kUnknownSize || size <= kHeaderSize) return;
    const uint64_t sectors = std::min<uint64_t>((size - 1) >> m_shift, SectorClaims::kTrackedSectors);
    const uint64_t perSector = (uint64_t{1} << m_shift) / 4;
    std::vector<bool> chained(sectors);
    std::vector<bool> pointedTo(sectors);
    for (uint64_t sector = 0; sector < sectors; ++sector) {
        uint32_t fatSector;
        uint32_t next;
        if (!FatSectorId(sector / perSector, fatSector) ||
            !ReadTableEntry(fatSector, sector % perSector, next))
            continue;
        chained[sector] = IsSector(next) || next == kEndOfChain;
        if (IsSector(next) && next < sectors) pointedTo[next] = true;
    }
    for (uint64_t sector = 0; sector < sectors; ++sector) {
        if (!chained[sector] || pointedTo[sector]) continue;
        uint32_t first = static_cast<uint32_t>(sector);
        visit(std::string(), Chain(first, ChainLength(first, sectors) << m_shift));
    }
}

uint64_t CompoundFile::ChainLength(uint32_t first, uint64_t sectors) {
    uint64_t length = 1;
    for (uint32_t sector = first, next; length < sectors && NextSector(sector, next); sector = next)
        ++length;
    return length;
}

void CompoundFile::ForEachStream(const StreamVisitor& visit) {
    auto directory = Chain(m_firstDirectorySector, ByteSource::kUnknownSize);
    uint8_t first[kEntrySize];
    if (!ReadExactly(*directory, 0, first, sizeof first)) {
        ForEachChain(visit);
        return;
    }
    std::shared_ptr<ByteSource> miniStream;
    std::shared_ptr<ByteSource> miniFat;
    std::shared_ptr<SectorClaims> miniClaims;
    uint8_t entry[kEntrySize];
    for (uint64_t index = 0; ReadExactly(*directory, index * kEntrySize, entry, kEntrySize);
         ++index) {
        uint8_t type = entry[66];
        uint32_t first = Little32(entry + 116);
        uint64_t size = Little64(entry + 120);
        if (m_shift == 9) size &= 0xFFFFFFFF;  // the high half is not kept by version 3 writers
        if (index == 0 && type == kRootEntry && IsSector(first)) {
            miniStream = Chain(first, size);
            miniFat = Chain(m_firstMiniFatSector, ByteSource::kUnknownSize);
            miniClaims = std::make_shared<SectorClaims>((miniStream->Size() >> kMiniShift) + 1);
        }
        if (type != kStreamEntry || size == 0 || !IsSector(first)) continue;
        if (size >= m_miniCutoff || !miniStream) {
            visit(EntryName(entry), Chain(first, size));
            continue;
        }
        auto table = miniFat;
        auto stream = std::make_shared<SectorChain>(
            miniStream, 0, kMiniShift, first, size, (miniStream->Size() >> kMiniShift) + 1,
            [table](uint32_t sector, uint32_t& next) {
                uint8_t value[4];
                if (!ReadExactly(*table, uint64_t{sector} * 4, value, sizeof value)) return false;
                next = Little32(value);
                return IsSector(next);
            },
            miniClaims);
        visit(EntryName(entry), stream);
    }
}
