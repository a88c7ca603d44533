// CompoundFileBuilder.cpp
#include "CompoundFileBuilder.h"

#include "ContainerBytes.h"

#include <cstdint>
#include <map>

namespace {

constexpr size_t kMiniSector = 64;
constexpr uint32_t kFree = kCompoundFree;
constexpr uint32_t kEnd = kCompoundEndOfChain;

// Sectors of one size, each chain stored back to front.
struct Area {
    size_t size;
    std::vector<std::string> sectors;
    std::vector<uint32_t> next;

    uint32_t Add(const std::string& bytes, bool reversed) {
        size_t count = (bytes.size() + size - 1) / size;
        uint32_t base = static_cast<uint32_t>(sectors.size());
        sectors.resize(base + count);
        next.resize(base + count);
        auto at = [&](size_t i) {
            return base + static_cast<uint32_t>(reversed ? count - 1 - i : i);
        };
        for (size_t i = 0; i < count; ++i) {
            std::string piece = bytes.substr(i * size, size);
            piece.resize(size, '\0');
            sectors[at(i)] = piece;
            next[at(i)] = i + 1 < count ? at(i + 1) : kEnd;
        }
        return count == 0 ? kEnd : at(0);
    }
};

// A directory entry and its links, as the tree is put together.
struct TreeEntry {
    std::string name;
    uint8_t type;
    uint32_t start;
    uint64_t size;
    uint32_t child = kFree;
    uint32_t right = kFree;
};

// Appends the entry to the storage's children, a list along their right links.
void AddChild(std::vector<TreeEntry>& entries, uint32_t storage, uint32_t entry) {
    uint32_t* link = &entries[storage].child;
    while (*link != kFree) link = &entries[*link].right;
    *link = entry;
}

}  // namespace

CompoundFileBuilder& CompoundFileBuilder::Stream(const std::string& name,
                                                 const std::string& bytes) {
    m_streams.push_back({name, bytes});
    return *this;
}

std::string CompoundFileBuilder::Bytes() const {
    const size_t sectorSize = size_t{1} << m_shift;
    // A table sector holds this many ids; a DIFAT sector one fewer, then the next one's id.
    const size_t ids = sectorSize / 4;
    Area regular{sectorSize, {}, {}};
    Area mini{kMiniSector, {}, {}};
    std::vector<uint32_t> starts(m_streams.size());
    for (size_t n = 0; n < m_streams.size(); ++n) {
        size_t i = m_inOrder ? n : m_streams.size() - 1 - n;
        const std::string& bytes = m_streams[i].bytes;
        starts[i] = bytes.size() < kCompoundMiniCutoff ? mini.Add(bytes, !m_inOrder)
                                                       : regular.Add(bytes, !m_inOrder);
    }
    std::string miniStream;
    std::string miniFat;
    for (size_t i = 0; i < mini.sectors.size(); ++i) {
        miniStream += mini.sectors[i];
        miniFat += Le(mini.next[i], 4);
    }
    // The mini stream's table is padded with free entries, as writers fill it.
    while (miniFat.size() % sectorSize != 0) miniFat += Le(kFree, 4);
    uint32_t miniStreamStart = regular.Add(miniStream, false);
    uint32_t miniFatStart = regular.Add(miniFat, false);
    uint32_t directoryStart =
        regular.Add(Directory(starts, miniStreamStart, miniStream.size()), false);

    // The tables come last; they must cover themselves.
    size_t data = regular.sectors.size();
    size_t fats = 0;
    size_t difats = 0;
    for (int round = 0; round < 8; ++round) {
        fats = (data + fats + difats + ids - 1) / ids;
        difats = fats > 109 ? (fats - 109 + ids - 2) / (ids - 1) : 0;
    }
    std::vector<uint32_t> table(regular.next);
    for (size_t i = 0; i < fats; ++i) table.push_back(kCompoundFatSector);
    for (size_t i = 0; i < difats; ++i) table.push_back(kCompoundDifatSector);
    table.resize(fats * ids, kFree);
    std::string body;
    for (const std::string& sector : regular.sectors) body += sector;
    for (size_t i = 0; i < fats * ids; ++i) body += Le(table[i], 4);
    auto fatId = [&](size_t i) -> uint32_t {
        return i < fats ? static_cast<uint32_t>(data + i) : kFree;
    };
    for (size_t d = 0; d < difats; ++d) {
        for (size_t j = 0; j + 1 < ids; ++j) body += Le(fatId(109 + d * (ids - 1) + j), 4);
        body += Le(d + 1 < difats ? data + fats + d + 1 : kEnd, 4);
    }
    CompoundHeaderFields header;
    header.sectorShift = m_shift;
    header.fatSectors = fats;
    header.directoryStart = directoryStart;
    header.miniFatStart = miniFat.empty() ? kEnd : miniFatStart;
    header.miniFatSectors = (miniFat.size() + sectorSize - 1) / sectorSize;
    header.difatStart = difats > 0 ? data + fats : kEnd;
    header.difatSectors = difats;
    for (size_t i = 0; i < kCompoundHeaderFatIds; ++i) header.headerFatIds.push_back(fatId(i));
    return CompoundHeader(header) + body;
}

// The root, the streams in the order of adding, then each storage their
// paths name.
std::string CompoundFileBuilder::Directory(const std::vector<uint32_t>& starts,
                                           uint32_t miniStreamStart, uint64_t miniSize) const {
    std::vector<TreeEntry> entries{{"Root Entry", 5, miniStreamStart, miniSize}};
    for (size_t i = 0; i < m_streams.size(); ++i) {
        const std::string& path = m_streams[i].name;
        entries.push_back(
            {path.substr(path.rfind('/') + 1), 2, starts[i], m_streams[i].bytes.size()});
    }
    std::map<std::string, uint32_t> storages;
    for (size_t i = 0; i < m_streams.size(); ++i) {
        const std::string& path = m_streams[i].name;
        uint32_t parent = 0;
        for (size_t from = 0, slash; (slash = path.find('/', from)) != std::string::npos;) {
            const uint32_t next = static_cast<uint32_t>(entries.size());
            auto [storage, added] = storages.emplace(path.substr(0, slash), next);
            if (added) {
                entries.push_back({path.substr(from, slash - from), 1, 0, 0});
                AddChild(entries, parent, next);
            }
            parent = storage->second;
            from = slash + 1;
        }
        AddChild(entries, parent, static_cast<uint32_t>(i + 1));
    }
    std::string directory;
    for (const TreeEntry& entry : entries)
        directory += CompoundDirectoryEntry(entry.name, entry.type, entry.child, entry.right,
                                            entry.start, entry.size);
    return directory;
}
