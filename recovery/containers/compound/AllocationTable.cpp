// AllocationTable.cpp
#include "recovery/containers/compound/AllocationTable.h"

#include "recovery/containers/compound/SectorScan.h"

#include <algorithm>
#include <map>

namespace {

bool IsRegular(uint32_t value) { return value <= AllocationTable::kLastRegularSector; }

bool IsMarker(uint32_t value) { return value >= AllocationTable::kDifatSector; }

// The position a table sector found by content takes: the one most of its
// links agree with, as writers lay most streams out in order; false when
// too few do to tell.
bool PositionByLinks(const uint8_t* sector, size_t entries, uint64_t& position, size_t& best) {
    constexpr size_t kFewestLinks = 4;
    std::map<uint64_t, size_t> votes;
    for (size_t i = 0; i < entries; ++i) {
        uint32_t value = Little32(sector + 4 * i);
        // Entry i of the table's position-th sector chains to the next
        // sector when it holds position * entries + i + 1.
        if (IsRegular(value) && value > i && (value - i - 1) % entries == 0)
            ++votes[(value - i - 1) / entries];
    }
    best = 0;
    for (const auto& [candidate, count] : votes) {
        if (count > best) {
            best = count;
            position = candidate;
        }
    }
    return best >= kFewestLinks;
}

// The sectors a table sector, at its position, marks as the table's own.
void MarkTableSectorsTold(const uint8_t* bytes, size_t perSector, uint64_t position,
                          std::vector<uint64_t>& marked) {
    for (size_t i = 0; i < perSector; ++i) {
        if (Little32(bytes + 4 * i) == AllocationTable::kTableSector) marked.push_back(position * perSector + i);
    }
}

}  // namespace

bool AllocationTable::LooksLikeTable(const uint8_t* sector, size_t entries,
                                     uint64_t fileSectors) {
    // A damaged link or two leave a table a table: data leaves far more
    // entries beyond the file, repeated or zero.
    const size_t mostFaults = entries / 16;
    std::vector<uint32_t> named;
    size_t faults = 0;
    for (size_t i = 0; i < entries; ++i) {
        uint32_t value = Little32(sector + 4 * i);
        if (IsMarker(value)) continue;
        if (value >= fileSectors)
            ++faults;
        else
            named.push_back(value);
    }
    std::sort(named.begin(), named.end());
    for (size_t i = 1; i < named.size(); ++i) faults += named[i] == named[i - 1];
    return faults <= mostFaults;
}

AllocationTable::AllocationTable(ByteSource& file, unsigned shift,
                                 const std::vector<uint32_t>& listed, uint64_t fileSectors,
                                 const std::vector<uint32_t>& notTables)
    : m_fileSectors(fileSectors) {
    const size_t perSector = (size_t{1} << shift) / 4;
    // A file cut short still has the table of all it held: its entries may
    // name sectors up to what the listed sectors cover.
    Reading reading{file, shift, perSector,
                    std::max<uint64_t>(fileSectors, uint64_t{listed.size()} * perSector),
                    std::vector<uint8_t>(size_t{1} << shift)};
    std::vector<bool> found(listed.size());
    for (size_t position = 0; position < listed.size(); ++position) {
        if (ReadTableSector(reading, listed[position])) Keep(reading, position, listed[position], found);
    }
    if (std::find(found.begin(), found.end(), false) != found.end()) {
        m_mended = true;
        FindMisplaced(reading, listed, found, notTables);
        GiveUpOn(listed, found, perSector);
    }
    CountPointers();
}

bool AllocationTable::ReadTableSector(Reading& reading, uint32_t id) const {
    const size_t size = reading.bytes.size();
    return id < m_fileSectors &&
           ReadExactly(reading.file, (uint64_t{id} + 1) << reading.shift, reading.bytes.data(), size) &&
           LooksLikeTable(reading.bytes.data(), reading.perSector, reading.reach);
}

// The sector just read holds the entries of the table's position-th sector.
void AllocationTable::Keep(const Reading& reading, size_t position, uint32_t id,
                           std::vector<bool>& found) {
    found[position] = true;
    MarkTableSector(id);
    const uint64_t first = uint64_t{position} * reading.perSector;
    if (first >= m_fileSectors) return;
    const uint64_t end = std::min<uint64_t>(first + reading.perSector, m_fileSectors);
    if (m_entries.size() < end) m_entries.resize(static_cast<size_t>(end), kFree);
    for (uint64_t sector = first; sector < end; ++sector)
        m_entries[static_cast<size_t>(sector)] = Little32(&reading.bytes[4 * (sector - first)]);
}

void AllocationTable::MarkTableSector(uint32_t id) {
    if (id < m_fileSectors) m_tableSectors.insert(id);
}

// A table sector that is not where the list says: found among the sectors
// the table marks as its own, else by the links it holds. A sector the
// table gives to a chain, or the header to another use, is none: the mini
// stream's table, say, looks like the table's first sector.
void AllocationTable::FindMisplaced(Reading& reading, const std::vector<uint32_t>& listed,
                                    std::vector<bool>& found, const std::vector<uint32_t>& notTables) {
    std::vector<bool> isListed(m_entries.size());
    for (uint32_t id : listed) {
        if (id < isListed.size()) isListed[id] = true;
    }
    std::vector<uint32_t> candidates;
    for (size_t sector = 0; sector < m_entries.size(); ++sector) {
        if (m_entries[sector] == kTableSector && !isListed[sector]) candidates.push_back(static_cast<uint32_t>(sector));
    }
    auto next = candidates.begin();
    for (size_t position = 0; position < listed.size(); ++position) {
        while (!found[position] && next != candidates.end()) {
            uint32_t id = *next++;
            if (ReadTableSector(reading, id)) Keep(reading, position, id, found);
        }
    }
    auto otherUse = [&](uint32_t id) {
        return (id < m_entries.size() && m_entries[id] != kFree && m_entries[id] != kTableSector) ||
               std::find(notTables.begin(), notTables.end(), id) != notTables.end();
    };
    std::vector<uint32_t> byContent = FindTableSectors(reading.file, reading.shift, m_fileSectors);
    for (size_t position = 0; position < std::min(byContent.size(), found.size()); ++position) {
        uint32_t id = byContent[position];
        if (!found[position] && !otherUse(id) && ReadTableSector(reading, id)) Keep(reading, position, id, found);
    }
}

// Where no sector replaced a listed one, the listed one is most likely the
// table's own, spoilt: what it told of is unknown.
void AllocationTable::GiveUpOn(const std::vector<uint32_t>& listed, const std::vector<bool>& found,
                               size_t perSector) {
    for (size_t position = 0; position < found.size(); ++position) {
        if (found[position]) continue;
        MarkUnknown(uint64_t{position} * perSector, perSector);
        MarkTableSector(listed[position]);
    }
}

// The sectors a lost table sector told of: their links are unknown, so a
// chain through them goes on as writers mostly lay streams out, one sector
// after the other, each step a break its pictures must confirm.
void AllocationTable::MarkUnknown(uint64_t first, uint64_t count) {
    if (first >= m_fileSectors) return;
    uint64_t end = std::min(first + count, m_fileSectors);
    if (m_entries.size() < end) m_entries.resize(static_cast<size_t>(end), kFree);
    if (m_unknown.size() < end) m_unknown.resize(static_cast<size_t>(end));
    for (uint64_t sector = first; sector < end; ++sector) m_unknown[static_cast<size_t>(sector)] = true;
}

bool AllocationTable::Unknown(uint32_t sector) const {
    return sector < m_unknown.size() && m_unknown[sector];
}

// Each candidate takes the position its links tell. Where two claim one
// position (the mini stream's table looks like the first sector), the one
// the tables mark as a table sector wins, then the one with more links.
std::vector<uint32_t> AllocationTable::FindTableSectors(ByteSource& file, unsigned shift,
                                                        uint64_t fileSectors) {
    const size_t perSector = (size_t{1} << shift) / 4;
    struct Candidate {
        uint32_t id;
        size_t links;
    };
    // Kept by what the file holds, not by what its numbers could name.
    std::map<uint64_t, std::vector<Candidate>> byPosition;
    std::vector<uint64_t> marked;
    uint64_t sectorsRead = 0;
    ForEachSectorOfFile(file, shift, fileSectors, [&](uint64_t id, const uint8_t* bytes) {
        sectorsRead = id + 1;
        uint64_t position;
        size_t links;
        if (LooksLikeTable(bytes, perSector, fileSectors) &&
            PositionByLinks(bytes, perSector, position, links)) {
            byPosition[position].push_back({static_cast<uint32_t>(id), links});
            MarkTableSectorsTold(bytes, perSector, position, marked);
        }
        return true;
    });
    std::sort(marked.begin(), marked.end());
    auto isMarked = [&](uint32_t id) { return std::binary_search(marked.begin(), marked.end(), id); };
    std::vector<uint32_t> tables;
    for (const auto& [position, candidates] : byPosition) {
        const Candidate* best = nullptr;
        for (const Candidate& candidate : candidates) {
            if (best == nullptr ||
                std::make_pair(isMarked(candidate.id), candidate.links) >
                    std::make_pair(isMarked(best->id), best->links))
                best = &candidate;
        }
        if (position >= sectorsRead / perSector + 1) continue;
        tables.resize(static_cast<size_t>(std::max<uint64_t>(tables.size(), position + 1)), kFree);
        tables[static_cast<size_t>(position)] = best->id;
    }
    return tables;
}

void AllocationTable::CountPointers() {
    m_pointers.assign(m_entries.size(), 0);
    m_starts.assign(m_entries.size(), false);
    for (uint32_t value : m_entries) {
        if (IsRegular(value) && value < m_entries.size() && m_pointers[value] < 2) ++m_pointers[value];
    }
}

bool AllocationTable::InUse(uint32_t sector) const {
    uint32_t value = m_entries[sector];
    return IsRegular(value) || value == kEndOfChain || Unknown(sector);
}

void AllocationTable::MarkStart(uint32_t sector) {
    if (sector < m_starts.size()) m_starts[sector] = true;
}

bool AllocationTable::MayStart(uint32_t sector) const {
    return sector < m_entries.size() && InUse(sector) && m_pointers[sector] == 0 && !m_starts[sector];
}

bool AllocationTable::SoundNext(uint32_t sector, uint32_t& next) const {
    if (sector >= m_entries.size() || Unknown(sector)) return false;
    next = m_entries[sector];
    if (!IsRegular(next) || next >= m_entries.size() || m_starts[next]) return false;
    uint32_t after = m_entries[next];
    if (after == kTableSector || after == kDifatSector) return false;
    return m_pointers[next] == 1 || next == sector + 1;
}

// Writers put the table's own sectors between a stream's where they fall:
// the stream goes on behind them.
bool AllocationTable::JoinAfter(uint32_t sector, uint32_t& next) const {
    next = sector + 1;
    while (next < m_entries.size() && IsTableSector(next)) ++next;
    return next < m_entries.size() && InUse(next) && m_pointers[next] == 0 && !m_starts[next];
}

std::vector<uint32_t> AllocationTable::Orphans() const {
    std::vector<uint32_t> orphans;
    for (size_t sector = 0; sector < m_entries.size(); ++sector) {
        uint32_t id = static_cast<uint32_t>(sector);
        if (InUse(id) && !Unknown(id) && m_pointers[sector] == 0 && !m_starts[sector])
            orphans.push_back(id);
    }
    return orphans;
}

uint64_t AllocationTable::ChainLength(uint32_t first, uint64_t limit) const {
    uint64_t length = first < m_entries.size() ? 1 : 0;
    for (uint32_t sector = first, next; length < limit && SoundNext(sector, next); sector = next)
        ++length;
    return length;
}
