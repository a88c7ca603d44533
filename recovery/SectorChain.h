// SectorChain.h: a stream of a compound file, its sectors followed along
// their chain in an allocation table.
#pragma once

#include "recovery/ByteSource.h"

#include <functional>
#include <memory>
#include <vector>

class SectorChain : public ByteSource {
public:
    // The sector after the given one; false at the end of the chain or when
    // the table cannot be read.
    using NextSector = std::function<bool(uint32_t sector, uint32_t& next)>;

    // Sector s lies at base + (s << shift) in the parent. The chain is never
    // followed beyond maxSectors, so a looping table cannot hold the reading.
    SectorChain(std::shared_ptr<ByteSource> parent, uint64_t base, unsigned shift, uint32_t first,
                uint64_t size, uint64_t maxSectors, NextSector next);

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    bool Failed() const override { return m_parent->Failed(); }
    FilePlace Place(uint64_t offset) override;

private:
    bool SeekSector(uint64_t index);
    uint64_t ParentOffset(uint32_t sector) const { return m_base + (uint64_t{sector} << m_shift); }

    std::shared_ptr<ByteSource> m_parent;
    uint64_t m_base;
    unsigned m_shift;
    uint32_t m_first;
    uint64_t m_size;
    NextSector m_next;
    uint64_t m_cursorIndex = 0;  // the chain's index-th sector is m_cursorSector
    uint32_t m_cursorSector;
    // The chain's sector at every kCheckpointSpacing-th index reached, so
    // that reading back does not follow the chain from its start.
    std::vector<uint32_t> m_checkpoints;
};
