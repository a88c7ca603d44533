// SectorScan.h: every sector of a compound file, read in blocks, for the
// searches that find its tables and directory by their content.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// Hands each whole sector (sector id lies at (id + 1) << shift) to
// visit(id, bytes) in file order, until visit returns false or the file or
// the count of sectors ends.
template <typename Visit>
void ForEachSectorOfFile(ByteSource& file, unsigned shift, uint64_t sectors, Visit visit) {
    const size_t sectorSize = size_t{1} << shift;
    const size_t perBlock = std::max<size_t>(1, (64 << 10) >> shift);
    std::vector<uint8_t> block(perBlock * sectorSize);
    for (uint64_t first = 0; first < sectors; first += perBlock) {
        size_t got = file.ReadAt((first + 1) << shift, block.data(), block.size());
        for (size_t i = 0; (i + 1) * sectorSize <= got && first + i < sectors; ++i) {
            if (!visit(first + i, &block[i * sectorSize])) return;
        }
        if (got < block.size()) return;
    }
}
