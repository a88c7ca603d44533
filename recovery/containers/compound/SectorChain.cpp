// SectorChain.cpp
#include "recovery/containers/compound/SectorChain.h"

#include <algorithm>

namespace {

constexpr uint64_t kCheckpointSpacing = 256;

}  // namespace

SectorClaims::SectorClaims(uint64_t sectorCount)
    : m_tracked(std::min(sectorCount, kTrackedSectors)) {}

bool SectorClaims::Claim(uint32_t sector) {
    if (sector >= m_tracked) return true;
    if (sector >= m_claimed.size())
        m_claimed.resize(std::min<uint64_t>(m_tracked, std::max<uint64_t>(sector + 1, 2 * m_claimed.size())));
    if (m_claimed[sector]) return false;
    m_claimed[sector] = true;
    return true;
}

SectorChain::SectorChain(std::shared_ptr<ByteSource> parent, uint64_t base, unsigned shift,
                         uint32_t first, uint64_t size, uint64_t maxSectors, NextSector next,
                         std::shared_ptr<SectorClaims> claims)
    : m_parent(std::move(parent)),
      m_base(base),
      m_shift(shift),
      m_first(first),
      m_size(std::min(size, maxSectors << shift)),
      m_sizeKnown(size != kUnknownSize),
      m_next(std::move(next)),
      m_claims(std::move(claims)),
      m_cursorSector(first),
      m_checkpoints(kCheckpointSpacing, first) {
    if (!m_claims->Claim(first)) m_size = 0;
}

bool SectorChain::Reach(uint64_t index, uint32_t sector) {
    if (index <= m_furthestIndex) return true;
    if (!m_claims->Claim(sector)) return false;
    m_furthestIndex = index;
    return true;
}

bool SectorChain::Follow(uint64_t index, uint32_t sector, uint32_t& next, bool& joined) {
    joined = false;
    auto kept = m_joins.find(index + 1);
    if (kept != m_joins.end()) {
        next = kept->second;
        joined = true;
        return true;
    }
    // A link followed before is followed again: it was sound then.
    if (index + 1 <= m_furthestIndex) return m_next(sector, next);
    if (m_next(sector, next) && Reach(index + 1, next)) return true;
    // Only a chain that ends before its stream's length broke: one of
    // unknown length simply ends.
    if (!m_join || !m_sizeKnown || !m_join(sector, next) || !Reach(index + 1, next))
        return false;
    m_joins.emplace(index + 1, next);
    if (m_noteBreak) m_noteBreak(m_parent->Place(ParentOffset(next)));
    joined = true;
    return true;
}

bool SectorChain::SeekSector(uint64_t index) {
    if (index < m_cursorIndex) {
        auto kept = m_checkpoints.AtOrBefore(index);
        m_cursorIndex = kept.step;
        m_cursorSector = kept.state;
    }
    while (m_cursorIndex < index) {
        uint32_t next;
        bool joined;
        if (!Follow(m_cursorIndex, m_cursorSector, next, joined)) return false;
        m_cursorSector = next;
        ++m_cursorIndex;
        m_checkpoints.Reached(m_cursorIndex, m_cursorSector);
    }
    return true;
}

uint64_t SectorChain::ExtendRun(uint64_t index, uint32_t sector, uint64_t run, uint64_t wanted,
                                bool throughJoins, uint64_t& lastIndex) {
    const uint64_t sectorSize = uint64_t{1} << m_shift;
    lastIndex = index;
    uint32_t next;
    bool joined;
    while (run < wanted && Follow(lastIndex, sector, next, joined) && next == sector + 1 &&
           (throughJoins || !joined)) {
        sector = next;
        ++lastIndex;
        run += sectorSize;
    }
    return run;
}

size_t SectorChain::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    const uint64_t sectorSize = uint64_t{1} << m_shift;
    size_t done = 0;
    m_end = DataEnd::Whole;
    while (done < size && offset < m_size) {
        // Only a chain that ends before its stream's length broke.
        if (!SeekSector(offset >> m_shift)) {
            m_end = m_sizeKnown ? DataEnd::Broken : DataEnd::Whole;
            break;
        }
        // Sectors that follow one another in the parent are read in one go.
        uint64_t within = offset & (sectorSize - 1);
        uint64_t wanted = std::min<uint64_t>(size - done, m_size - offset);
        uint64_t lastIndex;
        uint64_t run = ExtendRun(m_cursorIndex, m_cursorSector, sectorSize - within, wanted, true,
                                 lastIndex);
        size_t piece = static_cast<size_t>(std::min(run, wanted));
        size_t got = m_parent->ReadAt(ParentOffset(m_cursorSector) + within, into + done, piece);
        done += got;
        offset += got;
        // The data below ends inside a sector of the chain: cut there.
        if (got < piece) {
            m_end = CutBy(m_parent->EndReason());
            break;
        }
        // The run's sectors are numbered one after another: the cursor moves
        // to the one holding the last byte read.
        uint64_t reached = std::min<uint64_t>((offset - 1) >> m_shift, lastIndex);
        for (uint64_t mark = m_checkpoints.NextStep(); mark >= m_cursorIndex && mark <= reached;
             mark += m_checkpoints.Spacing())
            m_checkpoints.Reached(mark, m_cursorSector + static_cast<uint32_t>(mark - m_cursorIndex));
        m_cursorSector += static_cast<uint32_t>(reached - m_cursorIndex);
        m_cursorIndex = reached;
    }
    return done;
}

// Sectors numbered one after another lie one after another in the parent:
// they make one run, as far as the chain is known to go on so. A run ends
// where the chain was joined past a broken link; none starts where the
// chain cannot be followed.
uint64_t SectorChain::PlaceRun(uint64_t offset) {
    constexpr uint64_t kLongestRun = 1 << 20;
    if (offset >= m_size || !SeekSector(offset >> m_shift)) return 0;
    const uint64_t sectorSize = uint64_t{1} << m_shift;
    uint64_t within = offset & (sectorSize - 1);
    uint64_t lastIndex;
    uint64_t run = ExtendRun(m_cursorIndex, m_cursorSector, sectorSize - within,
                             std::min(kLongestRun, m_size - offset), false, lastIndex);
    return std::min({run, m_size - offset, m_parent->PlaceRun(ParentOffset(m_cursorSector) + within)});
}

FilePlace SectorChain::Place(uint64_t offset) {
    if (!SeekSector(offset >> m_shift)) return m_parent->Place(ParentOffset(m_first));
    return m_parent->Place(ParentOffset(m_cursorSector) +
                           (offset & ((uint64_t{1} << m_shift) - 1)));
}
