// CompoundFile.h: the storage format of older office documents (.doc, .xls,
// .ppt and embedded objects): a small file system of sectors, whose streams
// are chains in an allocation table.
#pragma once

#include "recovery/ByteSource.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class SectorClaims;

class CompoundFile : public std::enable_shared_from_this<CompoundFile> {
public:
    using StreamVisitor = std::function<void(const std::string& name, std::shared_ptr<ByteSource>)>;

    static constexpr uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

    static bool StartsWithSignature(ByteSource& source);
    // nullptr when the source does not start with a usable header.
    static std::shared_ptr<CompoundFile> Open(std::shared_ptr<ByteSource> source);

    // Hands every stream of the directory to visit, big streams along the
    // allocation table, small ones through the mini stream. A damaged table
    // ends a stream early; it never makes the reading run on. When the
    // directory is lost (a file cut short loses it first, at its end), every
    // chain of the allocation table is handed over as a nameless stream.
    void ForEachStream(const StreamVisitor& visit);

private:
    static constexpr size_t kHeaderFatEntries = 109;
    static constexpr size_t kCachedSectors = 8;

    struct CachedSector {
        uint32_t id = 0xFFFFFFFF;
        std::vector<uint8_t> bytes;
    };

    explicit CompoundFile(std::shared_ptr<ByteSource> source) : m_source(std::move(source)) {}
    bool ReadHeader();
    bool NextSector(uint32_t sector, uint32_t& next);
    // The table's entry for the sector, from the table kept in memory.
    bool KeptEntry(uint32_t sector, uint32_t& value);
    bool FatSectorId(uint64_t index, uint32_t& id);
    bool ReadTableEntry(uint32_t sector, uint64_t entry, uint32_t& value);
    std::shared_ptr<ByteSource> Chain(uint32_t first, uint64_t size);
    void ForEachChain(const StreamVisitor& visit);
    uint64_t ChainLength(uint32_t first, uint64_t sectors);

    std::shared_ptr<ByteSource> m_source;
    unsigned m_shift = 9;
    uint32_t m_miniCutoff = 4096;
    uint32_t m_firstDirectorySector = 0;
    uint32_t m_firstMiniFatSector = 0;
    uint32_t m_firstDifatSector = 0;
    uint64_t m_maxSectors = 0;
    std::array<uint32_t, kHeaderFatEntries> m_headerFat{};
    std::array<CachedSector, kCachedSectors> m_cache;
    // The allocation table of a file of up to kKeptTableEntries sectors is
    // kept as its sectors are first read (4 bytes a sector: 16 MB at most):
    // every stream is followed along it several times.
    static constexpr uint64_t kKeptTableEntries = uint64_t{1} << 22;
    std::vector<uint32_t> m_keptTable;
    std::vector<uint8_t> m_keptTableSectors;  // per table sector: 0 unread, 1 kept, 2 unreadable
    size_t m_nextCacheSlot = 0;
    // The DIFAT chain's sectors as far as it was followed: one per 127 table
    // sectors, a few hundred bytes for the largest documents.
    std::vector<uint32_t> m_difatChain;
    std::shared_ptr<SectorClaims> m_claims;
};
