// ZipBuilder.cpp
#include "ZipBuilder.h"

#include "ContainerBytes.h"

#include <zlib.h>

#include <stdexcept>

std::string Deflate(const std::string& bytes) {
    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END) throw std::runtime_error("deflate");
    return out;
}

ZipBuilder& ZipBuilder::Stored(const std::string& name, const std::string& bytes) {
    Add(name, bytes, bytes, 0, false);
    return *this;
}

ZipBuilder& ZipBuilder::Deflated(const std::string& name, const std::string& bytes,
                                 bool dataDescriptor) {
    Add(name, bytes, Deflate(bytes), 8, dataDescriptor);
    return *this;
}

std::string ZipBuilder::Zip64Extra(const Entry& entry, bool withOffset) const {
    std::string fields = Le(entry.size, 8) + Le(entry.compressedSize, 8);
    if (withOffset) fields += Le(entry.offset, 8);
    return Le(1, 2) + Le(fields.size(), 2) + fields;
}

void ZipBuilder::Add(const std::string& name, const std::string& bytes, const std::string& data,
                     uint16_t method, bool dataDescriptor) {
    Entry entry{name,
                method,
                static_cast<uint16_t>(dataDescriptor ? 8 : 0),
                static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                            static_cast<uInt>(bytes.size()))),
                data.size(),
                bytes.size(),
                m_local.size()};
    std::string extra = m_zip64 ? Zip64Extra(entry, false) : "";
    uint64_t small = m_zip64 ? 0xFFFFFFFF : 0;
    m_local += ZipLocalHeader({name, entry.flags, method, dataDescriptor ? 0 : entry.crc,
                               dataDescriptor ? 0 : (m_zip64 ? small : entry.compressedSize),
                               dataDescriptor ? 0 : (m_zip64 ? small : entry.size), 0, extra}) +
               data;
    if (dataDescriptor)
        m_local +=
            Le(0x08074B50, 4) + Le(entry.crc, 4) + Le(entry.compressedSize, 4) + Le(entry.size, 4);
    m_entries.push_back(entry);
}

std::string ZipBuilder::Bytes() const {
    std::string central;
    for (const Entry& entry : m_entries) {
        std::string extra = m_zip64 ? Zip64Extra(entry, true) : "";
        central += ZipCentralHeader({entry.name, entry.flags, entry.method, entry.crc,
                                     m_zip64 ? 0xFFFFFFFF : entry.compressedSize,
                                     m_zip64 ? 0xFFFFFFFF : entry.size,
                                     m_zip64 ? 0xFFFFFFFF : entry.offset, extra});
    }
    std::string end;
    uint64_t count = m_entries.size();
    uint64_t directory = m_local.size();
    if (m_zip64) {
        uint64_t record = directory + central.size();
        end += Le(0x06064B50, 4) + Le(44, 8) + Le(45, 2) + Le(45, 2) + Le(0, 4) + Le(0, 4) +
               Le(count, 8) + Le(count, 8) + Le(central.size(), 8) + Le(directory, 8);
        end += Le(0x07064B50, 4) + Le(0, 4) + Le(record, 8) + Le(1, 4);
    }
    end += ZipEndRecord(m_zip64 ? 0xFFFF : count, m_zip64 ? 0xFFFFFFFF : central.size(),
                        m_zip64 ? 0xFFFFFFFF : directory);
    return m_local + central + end;
}
