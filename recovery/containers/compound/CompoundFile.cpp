// CompoundFile.cpp
#include "recovery/containers/compound/CompoundFile.h"

#include "recovery/containers/compound/SectorScan.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kHeaderSize = 512;
constexpr uint32_t kEndOfChain = AllocationTable::kEndOfChain;
constexpr unsigned kMiniShift = 6;
constexpr size_t kEntrySize = 128;
constexpr size_t kHeaderTableIds = 109;
constexpr uint8_t kStreamEntry = 2;
constexpr uint8_t kRootEntry = 5;
constexpr uint32_t kStandardMiniCutoff = 4096;
// A file whose header is lost is looked through for its directory only up
// to this size: beyond it, a file that starts with zeros is left to the plain scan.
constexpr uint64_t kLargestHeaderless = uint64_t{256} << 20;

bool IsSector(uint32_t sector) { return sector <= AllocationTable::kLastRegularSector; }

std::string StartPath(uint32_t sector) { return "stream at sector " + std::to_string(sector); }

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

// A directory entry's type, name length and colour.
bool PlausibleEntry(const uint8_t* entry) {
    uint16_t nameBytes = Little16(entry + 64);
    return entry[66] <= kRootEntry && entry[67] <= 1 && nameBytes % 2 == 0 && nameBytes <= 64;
}

// Some writers leave the root's name empty.
bool IsRootEntry(const uint8_t* entry) {
    return entry[66] == kRootEntry && PlausibleEntry(entry) &&
           (Little16(entry + 64) == 0 || EntryName(entry) == "Root Entry");
}

bool LooksLikeDirectory(const uint8_t* sector, size_t size) {
    for (size_t offset = 0; offset < size; offset += kEntrySize) {
        if (!PlausibleEntry(sector + offset)) return false;
    }
    return true;
}

// The sector that holds the root entry first: where a lost header's directory starts.
std::optional<uint32_t> FindRootSector(ByteSource& file, unsigned shift, uint64_t sectors) {
    std::optional<uint32_t> root;
    ForEachSectorOfFile(file, shift, sectors, [&](uint64_t id, const uint8_t* sector) {
        if (IsRootEntry(sector)) root = static_cast<uint32_t>(id);
        return !root;
    });
    return root;
}

}  // namespace

bool CompoundFile::StartsWithSignature(ByteSource& source) {
    return StartsWith(source, kSignature);
}

// The length of a file of whole sectors, small enough to look through.
bool CompoundFile::HoldsWholeSectors(ByteSource& source) {
    uint64_t size = source.Size();
    return size != ByteSource::kUnknownSize && size % kHeaderSize == 0 && size >= 4 * kHeaderSize &&
           size <= kLargestHeaderless;
}

// Zeroed, or a signature with a few bytes spoilt, in a file of sectors.
bool CompoundFile::MayLackHeader(ByteSource& source) {
    constexpr size_t kFewestSignatureBytes = 5;
    if (!HoldsWholeSectors(source)) return false;
    uint8_t head[sizeof kSignature];
    if (!ReadExactly(source, 0, head, sizeof head)) return false;
    size_t same = 0;
    size_t zeros = 0;
    for (size_t i = 0; i < sizeof head; ++i) {
        same += head[i] == kSignature[i];
        zeros += head[i] == 0;
    }
    return same < sizeof head && (zeros == sizeof head || same >= kFewestSignatureBytes);
}

bool CompoundFile::LooksHeaderless(ByteSource& source) {
    return MayLackHeader(source) && FindRootSector(source, 9, (source.Size() >> 9) - 1).has_value();
}

std::shared_ptr<CompoundFile> CompoundFile::Open(std::shared_ptr<ByteSource> source,
                                                 std::shared_ptr<BreakPlaces> breaks) {
    std::shared_ptr<CompoundFile> file(new CompoundFile(std::move(source)));
    file->m_breaks = std::move(breaks);
    if (!file->ReadHeader() && !file->RebuildHeader()) return nullptr;
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
    uint64_t size = m_source->Size();
    // A file of unknown length is bounded by what 32-bit sector numbers reach.
    m_maxSectors = size == ByteSource::kUnknownSize ? uint64_t{AllocationTable::kLastRegularSector} + 1
                                                    : (size >> m_shift) + 1;
    ReadTable(ListedTableSectors(header));
    return true;
}

// Sectors of 4096 bytes leave the rest of the header's sector empty; the
// table sectors and the root entry are then found by their content. So is a
// header whose signature holds while its other fields are spoilt.
bool CompoundFile::RebuildHeader() {
    if (!MayLackHeader(*m_source) && !(StartsWithSignature(*m_source) && HoldsWholeSectors(*m_source)))
        return false;
    const uint64_t size = m_source->Size();
    std::vector<uint8_t> padding(4096 - kHeaderSize);
    m_shift = size % 4096 == 0 &&
                      ReadExactly(*m_source, kHeaderSize, padding.data(), padding.size()) &&
                      std::all_of(padding.begin(), padding.end(), [](uint8_t b) { return b == 0; })
                  ? 12
                  : 9;
    m_maxSectors = (size >> m_shift) - 1;
    m_headerLost = true;
    m_miniCutoff = kStandardMiniCutoff;
    m_firstMiniFatSector = kEndOfChain;
    std::optional<uint32_t> root = FindRootSector(*m_source, m_shift, m_maxSectors);
    if (!root) return false;
    m_firstDirectorySector = *root;
    ReadTable(AllocationTable::FindTableSectors(*m_source, m_shift, m_maxSectors));
    return m_table->Sectors() > 0;
}

bool CompoundFile::HoldsDirectoryEntries(uint32_t sector) {
    std::vector<uint8_t> bytes(size_t{1} << m_shift);
    return ReadExactly(*m_source, (uint64_t{sector} + 1) << m_shift, bytes.data(), bytes.size()) &&
           LooksLikeDirectory(bytes.data(), bytes.size());
}

void CompoundFile::ReadTable(const std::vector<uint32_t>& listed) {
    m_table = std::make_unique<AllocationTable>(
        *m_source, m_shift, listed, m_maxSectors,
        std::vector<uint32_t>{m_firstDirectorySector, m_firstMiniFatSector});
    m_claims = std::make_shared<SectorClaims>(m_table->Sectors());
    m_damaged = m_headerLost || m_table->Mended();
}

// The header names the first 109 table sectors; each DIFAT sector names
// further ones, then the next DIFAT sector.
std::vector<uint32_t> CompoundFile::ListedTableSectors(const uint8_t* header) {
    std::vector<uint32_t> listed;
    for (size_t i = 0; i < kHeaderTableIds; ++i) {
        uint32_t id = Little32(header + 76 + 4 * i);
        if (IsSector(id)) listed.push_back(id);
    }
    const size_t perDifat = (size_t{1} << m_shift) / 4 - 1;
    std::vector<uint8_t> difat((perDifat + 1) * 4);
    std::vector<bool> seen;
    for (uint32_t sector = Little32(header + 68); IsSector(sector) && sector < m_maxSectors;) {
        if (sector >= seen.size()) seen.resize(sector + 1);
        if (seen[sector] ||
            !ReadExactly(*m_source, (uint64_t{sector} + 1) << m_shift, difat.data(), difat.size()))
            break;
        seen[sector] = true;
        for (size_t i = 0; i < perDifat; ++i) {
            uint32_t id = Little32(&difat[4 * i]);
            if (IsSector(id)) listed.push_back(id);
        }
        sector = Little32(&difat[4 * perDifat]);
    }
    return listed;
}

std::shared_ptr<SectorChain> CompoundFile::Chain(uint32_t first, uint64_t size, bool directory) {
    auto self = shared_from_this();
    auto chain = std::make_shared<SectorChain>(
        m_source, uint64_t{1} << m_shift, m_shift, first, size, m_table->Sectors(),
        [self](uint32_t sector, uint32_t& next) { return self->m_table->SoundNext(sector, next); },
        m_claims);
    chain->JoinBrokenLinks(
        [self, directory](uint32_t sector, uint32_t& next) {
            if (directory)
                return !self->m_table->EndsChain(sector) && self->m_table->JoinAfter(sector, next) &&
                       self->HoldsDirectoryEntries(next);
            return self->m_table->JoinAfter(sector, next);
        },
        [self](const FilePlace& place) {
            self->m_damaged = true;
            if (self->m_breaks) self->m_breaks->insert(place);
        });
    return chain;
}

std::vector<CompoundFile::Entry> CompoundFile::ReadDirectory() {
    std::vector<Entry> entries;
    if (!m_headerLost) m_table->MarkStart(m_firstMiniFatSector);
    if (!IsSector(m_firstDirectorySector) || !m_table->MayStart(m_firstDirectorySector)) return entries;
    m_table->MarkStart(m_firstDirectorySector);
    // The directory's chain may go on past a broken link like any other,
    // into a sector that holds directory entries.
    auto directory = Chain(m_firstDirectorySector, m_table->Sectors() << m_shift, true);
    const size_t sectorSize = size_t{1} << m_shift;
    std::vector<uint8_t> sector(sectorSize);
    for (uint64_t at = 0; ReadExactly(*directory, at, sector.data(), sectorSize); at += sectorSize) {
        for (size_t offset = 0; offset < sectorSize; offset += kEntrySize) {
            const uint8_t* entry = &sector[offset];
            uint64_t size = Little64(entry + 120);
            if (m_shift == 9) size &= 0xFFFFFFFF;  // the high half is not kept by version 3 writers
            entries.push_back(Entry{EntryName(entry), entry[66], Little32(entry + 116), size,
                                    Little32(entry + 68), Little32(entry + 72),
                                    Little32(entry + 76), std::string()});
        }
    }
    NamePaths(entries);
    return entries;
}

// Each entry's path down the tree from the root, each entry visited once
// however its links run; an entry the tree no longer reaches keeps its name.
void CompoundFile::NamePaths(std::vector<Entry>& entries) {
    for (Entry& entry : entries) entry.path = entry.name;
    if (entries.empty()) return;
    std::vector<bool> seen(entries.size());
    std::vector<std::pair<uint32_t, std::string>> pending{{entries[0].child, std::string()}};
    seen[0] = true;
    while (!pending.empty()) {
        auto [index, storage] = pending.back();
        pending.pop_back();
        if (index >= entries.size() || seen[index]) continue;
        seen[index] = true;
        Entry& entry = entries[index];
        entry.path = storage + entry.name;
        pending.emplace_back(entry.left, storage);
        pending.emplace_back(entry.right, storage);
        pending.emplace_back(entry.child, entry.path + "/");
    }
}

// A stream's chain decides its length where the two disagree by more than
// the slack of its last sector.
uint64_t CompoundFile::StreamSize(const Entry& entry) {
    const uint64_t declaredSectors = (entry.size >> m_shift) + 1;
    uint64_t chained = m_table->ChainLength(entry.start, declaredSectors + 2);
    // A chain shorter than its stream broke: it may go on past the break.
    if (chained + 1 < declaredSectors) m_damaged = true;
    if (chained > declaredSectors + 1) {
        m_damaged = true;
        return m_table->ChainLength(entry.start, m_table->Sectors()) << m_shift;
    }
    return entry.size;
}

// A spoilt sector of the mini stream's table (zeroed, overwritten) leaves
// its small streams unreadable: the mini stream is then read as it lies.
bool CompoundFile::MiniTableSpoilt(ByteSource& miniTable, uint64_t miniSectors) {
    const size_t sectorSize = size_t{1} << m_shift;
    const uint64_t tableSectors = (miniSectors * 4 + sectorSize - 1) / sectorSize;
    // Entries for mini sectors the mini stream no longer holds are no damage.
    const uint64_t reach = std::max(miniSectors, tableSectors * sectorSize / 4);
    std::vector<uint8_t> sector(sectorSize);
    for (uint64_t index = 0; index < tableSectors; ++index) {
        if (!ReadExactly(miniTable, index * sectorSize, sector.data(), sectorSize) ||
            !AllocationTable::LooksLikeTable(sector.data(), sectorSize / 4, reach))
            return true;
    }
    return false;
}

// The mini stream's table of a file whose header is lost: a chain that no
// entry names and whose first sector holds a table of the mini sectors.
std::optional<uint32_t> CompoundFile::FindMiniTable(uint64_t miniSectors) {
    const size_t sectorSize = size_t{1} << m_shift;
    std::vector<uint8_t> sector(sectorSize);
    for (uint32_t orphan : m_table->Orphans()) {
        if (ReadExactly(*m_source, (uint64_t{orphan} + 1) << m_shift, sector.data(), sectorSize) &&
            AllocationTable::LooksLikeTable(sector.data(), sectorSize / 4, miniSectors) &&
            Little32(sector.data()) != 0)
            return orphan;
    }
    return std::nullopt;
}

void CompoundFile::ForEachStream(const StreamVisitor& visit) {
    std::vector<Entry> entries = ReadDirectory();
    const bool hasRoot = !entries.empty() && entries[0].type == kRootEntry && IsSector(entries[0].start);
    if (!hasRoot) m_damaged = true;
    std::vector<bool> big = MarkBigStreamStarts(entries);
    MiniStream mini;
    if (hasRoot) mini = OpenMiniStream(entries[0], visit);
    for (size_t index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        if (big[index])
            visit(entry.name, entry.path, Chain(entry.start, StreamSize(entry)));
        else if (entry.type == kStreamEntry && entry.size != 0 && entry.size < m_miniCutoff && mini.stream)
            visit(entry.name, entry.path, SmallStream(mini, entry));
    }
    VisitOrphans(visit);
}

// Every start the directory tells is known before any chain is followed:
// no sound link runs into one. A start that a chain runs into, or that is
// not in use, is a wrong one: the stream's own chain is then among those
// no entry names. True for the streams to follow along the table.
std::vector<bool> CompoundFile::MarkBigStreamStarts(const std::vector<Entry>& entries) {
    std::vector<bool> big(entries.size());
    for (size_t index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        if (entry.type != kStreamEntry || entry.size < m_miniCutoff || !IsSector(entry.start)) continue;
        big[index] = m_table->MayStart(entry.start);
        if (big[index])
            m_table->MarkStart(entry.start);
        else if (entry.size <= m_table->Sectors() << m_shift)
            m_damaged = true;  // not an entry left over with nonsense in it
    }
    return big;
}

// A spoilt table of the mini stream leaves its small streams unreadable:
// the mini stream is then handed over too, to be read as it lies.
CompoundFile::MiniStream CompoundFile::OpenMiniStream(const Entry& root, const StreamVisitor& visit) {
    const uint64_t miniSectors = (root.size >> kMiniShift) + 1;
    if (m_headerLost) m_firstMiniFatSector = FindMiniTable(miniSectors).value_or(kEndOfChain);
    m_table->MarkStart(root.start);
    if (IsSector(m_firstMiniFatSector)) m_table->MarkStart(m_firstMiniFatSector);
    MiniStream mini;
    mini.table = Chain(m_firstMiniFatSector, ByteSource::kUnknownSize);
    mini.claims = std::make_shared<SectorClaims>(miniSectors);
    mini.stream = Chain(root.start, root.size);
    if (MiniTableSpoilt(*mini.table, miniSectors)) {
        m_damaged = true;
        visit(std::string(), "mini stream at sector " + std::to_string(root.start), mini.stream);
    }
    return mini;
}

std::shared_ptr<ByteSource> CompoundFile::SmallStream(const MiniStream& mini, const Entry& entry) {
    auto table = mini.table;
    return std::make_shared<SectorChain>(
        mini.stream, 0, kMiniShift, entry.start, entry.size, (mini.stream->Size() >> kMiniShift) + 1,
        [table](uint32_t sector, uint32_t& next) {
            uint8_t value[4];
            if (!ReadExactly(*table, uint64_t{sector} * 4, value, sizeof value)) return false;
            next = Little32(value);
            return IsSector(next);
        },
        mini.claims);
}

// The chains no entry names, each from its first sector, as far as it
// soundly goes: the streams of a directory lost in part or whole.
void CompoundFile::VisitOrphans(const StreamVisitor& visit) {
    for (uint32_t first : m_table->Orphans()) {
        if (m_claims->Claimed(first)) continue;
        visit(std::string(), StartPath(first),
              Chain(first, m_table->ChainLength(first, m_table->Sectors()) << m_shift));
    }
    VisitUnknownStretches(visit);
}

// Where the table sectors are lost (a file cut short loses them with its
// directory), the sectors no chain reached are read in file order, one
// stretch a stream: writers mostly lay streams out so, and their records
// still tell their pictures.
void CompoundFile::VisitUnknownStretches(const StreamVisitor& visit) {
    const uint32_t sectors = static_cast<uint32_t>(m_table->Sectors());
    auto free = [&](uint32_t sector) { return m_table->Unknown(sector) && !m_claims->Claimed(sector); };
    for (uint32_t first = 0; first < sectors; ++first) {
        if (!free(first) || m_table->IsTableSector(first)) continue;
        uint64_t length = 0;
        uint32_t end = first;
        for (; end < sectors && free(end); ++end) length += m_table->IsTableSector(end) ? 0 : 1;
        visit(std::string(), StartPath(first), Chain(first, length << m_shift));
        first = end;
    }
}
