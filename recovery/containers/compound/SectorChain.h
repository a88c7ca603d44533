// SectorChain.h: a stream of a compound file, its sectors followed along
// their chain in an allocation table.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/bytes/Checkpoints.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

// The sectors the chains of one allocation table have reached. In a sound
// file each sector belongs to one chain, so a chain that runs into a sector
// that a chain (itself included) already holds ends there: no sector is read
// twice, however the table loops or the directory repeats its entries.
class SectorClaims {
public:
    // Sectors from this number on are not tracked: they lie beyond any file
    // this reader meets, and a chain reaching them ends when they cannot be read.
    static constexpr uint64_t kTrackedSectors = uint64_t{1} << 24;

    explicit SectorClaims(uint64_t sectorCount);
    // False when the sector was claimed before.
    bool Claim(uint32_t sector);
    bool Claimed(uint32_t sector) const {
        return sector < m_claimed.size() && m_claimed[sector];
    }

private:
    std::vector<bool> m_claimed;
    uint64_t m_tracked;
};

class SectorChain : public ByteSource {
public:
    // The sector after the given one; false at the end of the chain or when
    // the table cannot be read.
    using NextSector = std::function<bool(uint32_t sector, uint32_t& next)>;

    // Sector s lies at base + (s << shift) in the parent. The chain is never
    // followed beyond maxSectors, so a looping table cannot hold the reading.
    SectorChain(std::shared_ptr<ByteSource> parent, uint64_t base, unsigned shift, uint32_t first,
                uint64_t size, uint64_t maxSectors, NextSector next,
                std::shared_ptr<SectorClaims> claims);
    using NoteBreak = std::function<void(const FilePlace& place)>;
    // Where the link from a sector is broken (or leads to a sector already
    // claimed), join gives the sector the chain goes on with, if any; the
    // place of each such sector's first byte is noted.
    void JoinBrokenLinks(NextSector join, NoteBreak note) {
        m_join = std::move(join);
        m_noteBreak = std::move(note);
    }

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override { return ViewEnd(m_parent->EndReason(), m_end); }
    FilePlace Place(uint64_t offset) override;
    uint64_t PlaceRun(uint64_t offset) override;

private:
    bool SeekSector(uint64_t index);
    // The chain's sector after its index-th, sector; joined tells that it
    // follows a broken link.
    bool Follow(uint64_t index, uint32_t sector, uint32_t& next, bool& joined);
    // Extends a run of sectors numbered one after another from the index-th,
    // sector, while it is shorter than wanted; throughJoins lets it pass
    // over the places where the chain was joined.
    uint64_t ExtendRun(uint64_t index, uint32_t sector, uint64_t run, uint64_t wanted,
                       bool throughJoins, uint64_t& lastIndex);
    // True when the chain may go on to the sector as its index-th: one it
    // reached before, or one no chain holds yet.
    bool Reach(uint64_t index, uint32_t sector);
    uint64_t ParentOffset(uint32_t sector) const { return m_base + (uint64_t{sector} << m_shift); }

    std::shared_ptr<ByteSource> m_parent;
    uint64_t m_base;
    unsigned m_shift;
    uint32_t m_first;
    uint64_t m_size;
    bool m_sizeKnown;
    NextSector m_next;
    NextSector m_join;
    NoteBreak m_noteBreak;
    std::map<uint64_t, uint32_t> m_joins;  // by index: the sectors a broken link was joined to
    std::shared_ptr<SectorClaims> m_claims;
    DataEnd m_end = DataEnd::Whole;  // why the last short read was short
    uint64_t m_furthestIndex = 0;
    uint64_t m_cursorIndex = 0;  // the chain's index-th sector is m_cursorSector
    uint32_t m_cursorSector;
    // The chain's sector at every kCheckpointSpacing-th index reached, so
    // that reading back does not follow the chain from its start.
    Checkpoints<uint32_t> m_checkpoints;
};
