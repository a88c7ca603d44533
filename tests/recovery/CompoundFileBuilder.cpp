// CompoundFileBuilder.cpp
#include "CompoundFileBuilder.h"

#include <cstdint>

namespace {

constexpr size_t kSector = 512;
constexpr size_t kMiniSector = 64;
constexpr size_t kMiniCutoff = 4096;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kEnd = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;

std::string Le(uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// Sectors of one size, each chain stored back to front.
struct Area {
    size_t size;
    std::vector<std::string> sectors;
    std::vector<uint32_t> next;

    uint32_t Add(const std::string& bytes, bool reversed)
    {
        size_t count = (bytes.size() + size - 1) / size;
        uint32_t base = static_cast<uint32_t>(sectors.size());
        sectors.resize(base + count);
        next.resize(base + count);
        auto at = [&](size_t i) { return base + static_cast<uint32_t>(reversed ? count - 1 - i : i); };
        for (size_t i = 0; i < count; ++i) {
            std::string piece = bytes.substr(i * size, size);
            piece.resize(size, '\0');
            sectors[at(i)] = piece;
            next[at(i)] = i + 1 < count ? at(i + 1) : kEnd;
        }
        return count == 0 ? kEnd : at(0);
    }
};

std::string DirectoryEntry(const std::string& name, uint8_t type, uint32_t child, uint32_t right,
                           uint32_t start, uint64_t size)
{
    std::string utf16;
    for (char c : name)
        utf16 += std::string{c, '\0'};
    utf16 += std::string(2, '\0');
    return utf16 + std::string(64 - utf16.size(), '\0') + Le(utf16.size(), 2) + Le(type, 1) + Le(1, 1)
        + Le(kFree, 4) + Le(right, 4) + Le(child, 4) + std::string(16, '\0') + Le(0, 4) + Le(0, 8)
        + Le(0, 8) + Le(start, 4) + Le(size, 8);
}

} // namespace

CompoundFileBuilder& CompoundFileBuilder::Stream(const std::string& name, const std::string& bytes)
{
    m_streams.push_back({name, bytes});
    return *this;
}

std::string CompoundFileBuilder::Bytes() const
{
    Area regular{kSector, {}, {}};
    Area mini{kMiniSector, {}, {}};
    std::vector<uint32_t> starts(m_streams.size());
    for (size_t i = m_streams.size(); i-- > 0;) {
        const std::string& bytes = m_streams[i].bytes;
        starts[i] = bytes.size() < kMiniCutoff ? mini.Add(bytes, true) : regular.Add(bytes, true);
    }
    std::string miniStream;
    std::string miniFat;
    for (size_t i = 0; i < mini.sectors.size(); ++i) {
        miniStream += mini.sectors[i];
        miniFat += Le(mini.next[i], 4);
    }
    uint32_t miniStreamStart = regular.Add(miniStream, false);
    uint32_t miniFatStart = regular.Add(miniFat, false);
    std::string directory = DirectoryEntry("Root Entry", 5, m_streams.empty() ? kFree : 1, kFree,
                                           miniStreamStart, miniStream.size());
    for (size_t i = 0; i < m_streams.size(); ++i) {
        uint32_t right = i + 1 < m_streams.size() ? static_cast<uint32_t>(i + 2) : kFree;
        directory += DirectoryEntry(m_streams[i].name, 2, kFree, right, starts[i], m_streams[i].bytes.size());
    }
    uint32_t directoryStart = regular.Add(directory, false);

    // The tables come last; they must cover themselves.
    size_t data = regular.sectors.size();
    size_t fats = 0;
    size_t difats = 0;
    for (int round = 0; round < 8; ++round) {
        fats = (data + fats + difats + 127) / 128;
        difats = fats > 109 ? (fats - 109 + 126) / 127 : 0;
    }
    std::vector<uint32_t> table(regular.next);
    for (size_t i = 0; i < fats; ++i)
        table.push_back(kFatSector);
    for (size_t i = 0; i < difats; ++i)
        table.push_back(kDifatSector);
    table.resize(fats * 128, kFree);
    std::string body;
    for (const std::string& sector : regular.sectors)
        body += sector;
    for (size_t i = 0; i < fats * 128; ++i)
        body += Le(table[i], 4);
    auto fatId = [&](size_t i) -> uint32_t { return i < fats ? static_cast<uint32_t>(data + i) : kFree; };
    for (size_t d = 0; d < difats; ++d) {
        for (size_t j = 0; j < 127; ++j)
            body += Le(fatId(109 + d * 127 + j), 4);
        body += Le(d + 1 < difats ? data + fats + d + 1 : kEnd, 4);
    }
    std::string header = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(16, '\0')
        + Le(0x3E, 2) + Le(3, 2) + Le(0xFFFE, 2) + Le(9, 2) + Le(6, 2) + std::string(6, '\0') + Le(0, 4)
        + Le(fats, 4) + Le(directoryStart, 4) + Le(0, 4) + Le(kMiniCutoff, 4)
        + Le(miniFat.empty() ? kEnd : miniFatStart, 4) + Le((miniFat.size() + kSector - 1) / kSector, 4)
        + Le(difats > 0 ? data + fats : kEnd, 4) + Le(difats, 4);
    for (size_t i = 0; i < 109; ++i)
        header += Le(fatId(i), 4);
    return header + body;
}
