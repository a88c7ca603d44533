// ZipBuilder.h: small ZIP archives made in the tests, whole or damaged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ZipBuilder {
public:
    // zip64: every size and the end record in their 64-bit forms.
    explicit ZipBuilder(bool zip64 = false) : m_zip64(zip64) {}

    ZipBuilder& Stored(const std::string& name, const std::string& bytes);
    // dataDescriptor: the sizes follow the data, the local header has zeros.
    ZipBuilder& Deflated(const std::string& name, const std::string& bytes,
                         bool dataDescriptor = false);
    // The local entries, then the central directory and its end record.
    std::string Bytes() const;
    // The local entries alone, as in an archive cut short.
    const std::string& LocalEntries() const { return m_local; }
    // Where the central directory starts in Bytes().
    size_t CentralDirectoryOffset() const { return m_local.size(); }

private:
    struct Entry {
        std::string name;
        uint16_t method;
        uint16_t flags;
        uint32_t crc;
        uint64_t compressedSize;
        uint64_t size;
        uint64_t offset;
    };

    void Add(const std::string& name, const std::string& bytes, const std::string& data,
             uint16_t method, bool dataDescriptor);
    std::string Zip64Extra(const Entry& entry, bool withOffset) const;

    bool m_zip64;
    std::string m_local;
    std::vector<Entry> m_entries;
};

// Raw deflate data of the bytes, as ZIP stores it.
std::string Deflate(const std::string& bytes);
