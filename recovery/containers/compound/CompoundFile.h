// CompoundFile.h: the storage format of older office documents (.doc, .xls,
// .ppt and embedded objects): a small file system of sectors, whose streams
// are chains in an allocation table.
#pragma once

#include "recovery/containers/compound/AllocationTable.h"
#include "recovery/bytes/ByteSource.h"
#include "recovery/containers/compound/SectorChain.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CompoundFile : public std::enable_shared_from_this<CompoundFile> {
public:
    // name: the stream's own name; path: where a user finds it, its
    // storages' names before it ("ObjectPool/_1234/Data"), or for a stream
    // no entry names where its chain starts ("stream at sector 123").
    using StreamVisitor = std::function<void(const std::string& name, const std::string& path,
                                             std::shared_ptr<ByteSource>)>;

    static constexpr uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

    static bool StartsWithSignature(ByteSource& source);
    // A file of sectors whose first bytes are zeros or a spoilt signature.
    static bool MayLackHeader(ByteSource& source);
    static bool HoldsWholeSectors(ByteSource& source);
    // Such a file whose sectors still hold a directory: it is read as a
    // compound file all the same.
    static bool LooksHeaderless(ByteSource& source);
    // nullptr when the source has neither a usable header nor the sectors of
    // a compound file. breaks, when given, gets the places where a stream
    // was read on past a broken link of its chain.
    static std::shared_ptr<CompoundFile> Open(std::shared_ptr<ByteSource> source,
                                              std::shared_ptr<BreakPlaces> breaks = nullptr);

    // Hands every stream of the directory to visit, big streams along the
    // allocation table, small ones through the mini stream. A broken link
    // ends a stream, unless the next sector of the file starts a chain no
    // one else claims: the stream goes on there. When the file is damaged
    // (its directory lost in part or whole, a table sector misplaced, a
    // link broken), every chain no entry names is then handed over as a
    // nameless stream, and so is the mini stream when its table is spoilt.
    void ForEachStream(const StreamVisitor& visit);
    // Whether reading found the file damaged: its tables mended, its
    // directory lost in part, a chain broken.
    bool Damaged() const { return m_damaged; }

private:
    struct Entry {
        std::string name;
        uint8_t type;
        uint32_t start;
        uint64_t size;
        uint32_t left, right, child;  // the directory's tree
        std::string path;
    };

    // The small streams' home: the root's chain, read through its own table.
    struct MiniStream {
        std::shared_ptr<ByteSource> stream;
        std::shared_ptr<ByteSource> table;
        std::shared_ptr<SectorClaims> claims;
    };

    explicit CompoundFile(std::shared_ptr<ByteSource> source) : m_source(std::move(source)) {}
    bool ReadHeader();
    bool RebuildHeader();
    void ReadTable(const std::vector<uint32_t>& listed);
    std::vector<uint32_t> ListedTableSectors(const uint8_t* header);
    std::vector<Entry> ReadDirectory();
    static void NamePaths(std::vector<Entry>& entries);
    // A stream goes on past a broken link, or an end of chain before its
    // length; the directory, whose length is not told, only past a broken
    // link and into a sector of directory entries.
    std::shared_ptr<SectorChain> Chain(uint32_t first, uint64_t size, bool directory = false);
    bool HoldsDirectoryEntries(uint32_t sector);
    bool MiniTableSpoilt(ByteSource& miniTable, uint64_t miniSectors);
    uint64_t StreamSize(const Entry& entry);
    std::vector<bool> MarkBigStreamStarts(const std::vector<Entry>& entries);
    MiniStream OpenMiniStream(const Entry& root, const StreamVisitor& visit);
    std::shared_ptr<ByteSource> SmallStream(const MiniStream& mini, const Entry& entry);
    void VisitOrphans(const StreamVisitor& visit);
    void VisitUnknownStretches(const StreamVisitor& visit);
    std::optional<uint32_t> FindMiniTable(uint64_t miniSectors);

    std::shared_ptr<ByteSource> m_source;
    unsigned m_shift = 9;
    uint32_t m_miniCutoff = 4096;
    uint32_t m_firstDirectorySector = 0;
    uint32_t m_firstMiniFatSector = 0;
    bool m_headerLost = false;
    uint64_t m_maxSectors = 0;
    std::unique_ptr<AllocationTable> m_table;
    std::shared_ptr<SectorClaims> m_claims;
    std::shared_ptr<BreakPlaces> m_breaks;
    bool m_damaged = false;
};
