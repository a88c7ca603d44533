// BenchContainers.cpp
#include "bench/BenchContainers.h"

#include "tests/recovery/ContainerBytes.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

class PackageOutput : public BenchOutput {
public:
    explicit PackageOutput(const std::string& path) : m_file(path) {}

    void BeginPicture(bool jpeg) override {
        Flush("word/text" + std::to_string(m_entries.size()) + ".xml");
        m_jpeg = jpeg;
    }
    void EndPicture() override {
        Flush("word/media/image" + std::to_string(m_entries.size()) + (m_jpeg ? ".jpeg" : ".png"));
    }

    void Finish() {
        Flush("word/text" + std::to_string(m_entries.size()) + ".xml");
        uint64_t directory = m_offset;
        std::string central;
        for (const ZipHeaderFields& entry : m_entries) central += ZipCentralHeader(entry);
        m_file.Put(central + ZipEndRecord(m_entries.size(), central.size(), directory));
    }

protected:
    void Write(const void* data, size_t size) override {
        m_pending.append(static_cast<const char*>(data), size);
    }

private:
    void Flush(const std::string& name) {
        if (m_pending.empty()) return;
        z_stream stream{};
        deflateInit2(&stream, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        std::string data(deflateBound(&stream, m_pending.size()), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(&m_pending[0]);
        stream.avail_in = static_cast<uInt>(m_pending.size());
        stream.next_out = reinterpret_cast<Bytef*>(&data[0]);
        stream.avail_out = static_cast<uInt>(data.size());
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate failed");
        data.resize(stream.total_out);
        deflateEnd(&stream);
        ZipHeaderFields entry;
        entry.name = name;
        entry.crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(m_pending.data()),
                                                static_cast<uInt>(m_pending.size())));
        entry.compressedSize = data.size();
        entry.size = m_pending.size();
        entry.localHeaderOffset = m_offset;
        std::string header = ZipLocalHeader(entry);
        m_file.Put(header);
        m_file.Put(data);
        m_offset += header.size() + data.size();
        m_entries.push_back(entry);
        m_pending.clear();
    }

    BenchFile m_file;
    std::string m_pending;
    std::vector<ZipHeaderFields> m_entries;
    uint64_t m_offset = 0;
    bool m_jpeg = false;
};

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kPerTableSector = kSectorSize / 4;
constexpr uint32_t kHeaderTableIds = kCompoundHeaderFatIds;
constexpr uint32_t kFree = kCompoundFree;
constexpr uint32_t kEndOfChain = kCompoundEndOfChain;

bool IsTableSlot(uint64_t sector) { return sector % kPerTableSector == 0; }

uint64_t NextFreeSlot(uint64_t sector) { return IsTableSlot(sector) ? sector + 1 : sector; }

// The stream's sectors go out as they fill; every 128th sector is left for
// the allocation table, written once the layout is known.
class CompoundOutput : public BenchOutput {
public:
    explicit CompoundOutput(const std::string& path) : m_file(path) {
        m_file.Put(std::string(kSectorSize, '\0'));
    }

    void Finish() {
        uint64_t streamSize = Written();
        if (!m_sector.empty()) EmitSector();
        uint64_t lastData = m_next - 1;
        while (IsTableSlot(lastData)) --lastData;
        uint64_t directory = NextFreeSlot(m_next);
        // The table must cover every sector, DIFAT sectors included.
        uint64_t total = directory + 1;
        uint64_t tables = 0;
        uint64_t difats = 0;
        for (int round = 0; round < 8; ++round) {
            tables = (total + kPerTableSector - 1) / kPerTableSector;
            difats = tables > kHeaderTableIds
                         ? (tables - kHeaderTableIds + kPerTableSector - 2) / (kPerTableSector - 1)
                         : 0;
            uint64_t end = directory + 1;
            for (uint64_t i = 0; i < difats; ++i) end = NextFreeSlot(end) + 1;
            total = end;
        }
        std::vector<uint64_t> difatSectors;
        uint64_t at = directory + 1;
        for (uint64_t i = 0; i < difats; ++i) {
            at = NextFreeSlot(at);
            difatSectors.push_back(at++);
        }
        auto entryOf = [&](uint64_t sector) -> uint32_t {
            if (sector >= total) return kFree;
            if (IsTableSlot(sector)) return kCompoundFatSector;
            if (sector == directory) return kEndOfChain;
            if (std::find(difatSectors.begin(), difatSectors.end(), sector) != difatSectors.end())
                return kCompoundDifatSector;
            if (sector == lastData) return kEndOfChain;
            return static_cast<uint32_t>(NextFreeSlot(sector + 1));
        };
        std::string empty = CompoundDirectoryEntry("", 0, kFree, kFree, kEndOfChain, 0);
        std::string directoryBytes =
            CompoundDirectoryEntry("Root Entry", 5, 1, kFree, kEndOfChain, 0) +
            CompoundDirectoryEntry("Data", 2, kFree, kFree, 1, streamSize) + empty + empty;
        PutSectorAt(directory, directoryBytes);
        for (uint64_t table = 0; table < tables; ++table) {
            std::string bytes;
            for (uint32_t i = 0; i < kPerTableSector; ++i)
                bytes += Le(entryOf(table * kPerTableSector + i), 4);
            PutSectorAt(table * kPerTableSector, bytes);
        }
        for (uint64_t i = 0; i < difats; ++i) {
            std::string bytes;
            for (uint32_t j = 0; j < kPerTableSector - 1; ++j) {
                uint64_t table = kHeaderTableIds + i * (kPerTableSector - 1) + j;
                bytes += Le(table < tables ? table * kPerTableSector : kFree, 4);
            }
            bytes += Le(i + 1 < difats ? difatSectors[i + 1] : kEndOfChain, 4);
            PutSectorAt(difatSectors[i], bytes);
        }
        CompoundHeaderFields header;
        header.fatSectors = tables;
        header.directoryStart = directory;
        header.difatStart = difats > 0 ? difatSectors[0] : kEndOfChain;
        header.difatSectors = difats;
        for (uint64_t i = 0; i < std::min<uint64_t>(tables, kHeaderTableIds); ++i)
            header.headerFatIds.push_back(static_cast<uint32_t>(i * kPerTableSector));
        WriteAt(0, CompoundHeader(header));
    }

protected:
    void Write(const void* data, size_t size) override {
        const char* bytes = static_cast<const char*>(data);
        while (size > 0) {
            size_t piece = std::min<size_t>(size, kSectorSize - m_sector.size());
            m_sector.append(bytes, piece);
            bytes += piece;
            size -= piece;
            if (m_sector.size() == kSectorSize) EmitSector();
        }
    }

private:
    void EmitSector() {
        m_sector.resize(kSectorSize, '\0');
        if (IsTableSlot(m_next)) {
            m_file.Put(std::string(kSectorSize, '\0'));  // the table's place, filled in at the end
            ++m_next;
        }
        m_file.Put(m_sector);
        ++m_next;
        m_sector.clear();
    }

    void PutSectorAt(uint64_t sector, std::string bytes) {
        bytes.resize(kSectorSize, '\0');
        WriteAt((sector + 1) * kSectorSize, bytes);
    }

    void WriteAt(uint64_t offset, const std::string& bytes) {
        std::fflush(m_file.Stream());
        if (fseeko(m_file.Stream(), static_cast<off_t>(offset), SEEK_SET) != 0 ||
            std::fwrite(bytes.data(), 1, bytes.size(), m_file.Stream()) != bytes.size())
            throw std::runtime_error("write failed");
    }

    BenchFile m_file;
    std::string m_sector;
    uint64_t m_next = 0;  // the next sector index to go out
};

}  // namespace

BenchDocumentSummary WriteBenchPackage(const std::string& path, uint64_t targetBytes,
                                       uint64_t seed) {
    PackageOutput out(path);
    BenchDocumentSummary summary = WriteBenchContent(out, targetBytes, seed);
    out.Finish();
    return summary;
}

BenchDocumentSummary WriteBenchCompoundFile(const std::string& path, uint64_t targetBytes,
                                            uint64_t seed) {
    CompoundOutput out(path);
    BenchDocumentSummary summary = WriteBenchContent(out, targetBytes, seed);
    out.Finish();
    return summary;
}
