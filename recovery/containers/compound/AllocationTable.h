// AllocationTable.h: the sector chains of a compound file, kept in memory and
// checked against each other, so that a damaged table is followed only where
// it can be trusted and mended where its sectors can be found again.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <cstdint>
#include <set>
#include <vector>

class AllocationTable {
public:
    static constexpr uint32_t kLastRegularSector = 0xFFFFFFF9;
    static constexpr uint32_t kDifatSector = 0xFFFFFFFC;
    static constexpr uint32_t kTableSector = 0xFFFFFFFD;
    static constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
    static constexpr uint32_t kFree = 0xFFFFFFFF;

    // The table of a file of fileSectors sectors, from the table sectors
    // listed in order. A listed sector whose content is no table (a wrong
    // DIFAT entry, a sector overwritten) is looked for among the file's
    // sectors by its content. The table is never longer than the file needs.
    // notTables: sectors the header names for other uses (the directory's
    // and the mini stream table's first), never taken for a table sector.
    AllocationTable(ByteSource& file, unsigned shift, const std::vector<uint32_t>& listed,
                    uint64_t fileSectors, const std::vector<uint32_t>& notTables = {});

    // Whether the sector holds the entries of a table: each one a marker or
    // a sector of the file, no sector named twice, but for a few damaged links.
    static bool LooksLikeTable(const uint8_t* sector, size_t entries, uint64_t fileSectors);
    // The table sectors of a file whose header is lost, found by content, in
    // the order of their positions in the table (kFree where none was found).
    static std::vector<uint32_t> FindTableSectors(ByteSource& file, unsigned shift,
                                                  uint64_t fileSectors);

    uint64_t Sectors() const { return m_entries.size(); }
    // A directory entry's stream starts here: no sound chain runs into it.
    void MarkStart(uint32_t sector);
    // Whether a stream may start at the sector: one in use that no entry points to.
    bool MayStart(uint32_t sector) const;
    // The sector after this one, where the table can be trusted: the next
    // sector in use, pointed to by no other sector (unless it is simply the
    // next in the file), and no stream's start.
    bool SoundNext(uint32_t sector, uint32_t& next) const;
    // Where a chain whose link broke goes on: the next sector of the file,
    // when it starts a chain of its own that nothing claims (writers mostly
    // lay a stream out in order).
    bool JoinAfter(uint32_t sector, uint32_t& next) const;
    // The sectors in use that no entry points to and no stream starts at, in
    // file order: the chains a lost or damaged directory no longer names.
    std::vector<uint32_t> Orphans() const;
    // Whether the table ends a chain at the sector, as it does at a stream's last.
    bool EndsChain(uint32_t sector) const {
        return sector < m_entries.size() && m_entries[sector] == kEndOfChain;
    }
    // A sector the table tells nothing of: the table sector for it is lost.
    bool Unknown(uint32_t sector) const;
    // A sector the table itself was read from, or one of its spoilt sectors.
    bool IsTableSector(uint32_t sector) const { return m_tableSectors.count(sector) != 0; }
    // How many sectors the sound chain from first holds (at most limit).
    uint64_t ChainLength(uint32_t first, uint64_t limit) const;
    // True when some listed sector had to be found again or the links disagree.
    bool Mended() const { return m_mended; }

private:
    struct Reading {
        ByteSource& file;
        unsigned shift;
        size_t perSector;
        uint64_t reach;  // no table entry names a sector beyond this
        std::vector<uint8_t> bytes;
    };

    bool ReadTableSector(Reading& reading, uint32_t id) const;
    void Keep(const Reading& reading, size_t position, uint32_t id, std::vector<bool>& found);
    void MarkTableSector(uint32_t id);
    void FindMisplaced(Reading& reading, const std::vector<uint32_t>& listed,
                       std::vector<bool>& found, const std::vector<uint32_t>& notTables);
    void GiveUpOn(const std::vector<uint32_t>& listed, const std::vector<bool>& found,
                  size_t perSector);
    bool InUse(uint32_t sector) const;
    void MarkUnknown(uint64_t first, uint64_t count);
    void CountPointers();

    std::vector<uint32_t> m_entries;
    std::vector<uint8_t> m_pointers;  // how many entries point to each sector, at most 2
    std::vector<bool> m_starts;
    std::vector<bool> m_unknown;  // told of by a table sector that is lost
    // The sectors the table was read from: a few, though their numbers may
    // be any a damaged list holds.
    std::set<uint32_t> m_tableSectors;
    uint64_t m_fileSectors;
    bool m_mended = false;
};
