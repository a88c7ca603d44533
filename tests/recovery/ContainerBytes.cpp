// ContainerBytes.cpp
#include "ContainerBytes.h"

#include <zlib.h>

std::string Le(uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string ZipLocalHeader(const ZipHeaderFields& fields) {
    return Le(0x04034B50, 4) + Le(20, 2) + Le(fields.flags, 2) + Le(fields.method, 2) + Le(0, 4) +
           Le(fields.crc, 4) + Le(fields.compressedSize, 4) + Le(fields.size, 4) +
           Le(fields.name.size(), 2) + Le(fields.extra.size(), 2) + fields.name + fields.extra;
}

std::string ZipCentralHeader(const ZipHeaderFields& fields) {
    return Le(0x02014B50, 4) + Le(20, 2) + Le(20, 2) + Le(fields.flags, 2) + Le(fields.method, 2) +
           Le(0, 4) + Le(fields.crc, 4) + Le(fields.compressedSize, 4) + Le(fields.size, 4) +
           Le(fields.name.size(), 2) + Le(fields.extra.size(), 2) + Le(0, 2) + Le(0, 2) + Le(0, 2) +
           Le(0, 4) + Le(fields.localHeaderOffset, 4) + fields.name + fields.extra;
}

std::string ZipEndRecord(uint64_t entries, uint64_t directorySize, uint64_t directoryOffset) {
    return Le(0x06054B50, 4) + Le(0, 2) + Le(0, 2) + Le(entries, 2) + Le(entries, 2) +
           Le(directorySize, 4) + Le(directoryOffset, 4) + Le(0, 2);
}

std::string CompoundDirectoryEntry(const std::string& name, uint8_t type, uint32_t child,
                                   uint32_t right, uint32_t start, uint64_t size) {
    std::string utf16;
    for (char c : name) utf16 += std::string{c, '\0'};
    if (!utf16.empty()) utf16 += std::string(2, '\0');
    return utf16 + std::string(64 - utf16.size(), '\0') + Le(utf16.size(), 2) + Le(type, 1) +
           Le(1, 1) + Le(kCompoundFree, 4) + Le(right, 4) + Le(child, 4) + std::string(16, '\0') +
           Le(0, 4) + Le(0, 8) + Le(0, 8) + Le(start, 4) + Le(size, 8);
}

std::string CompoundHeader(const CompoundHeaderFields& fields) {
    std::string header =
        std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(16, '\0') + Le(0x3E, 2) +
        Le(fields.sectorShift == 12 ? 4 : 3, 2) + Le(0xFFFE, 2) + Le(fields.sectorShift, 2) +
        Le(6, 2) + std::string(6, '\0') + Le(0, 4) + Le(fields.fatSectors, 4) +
        Le(fields.directoryStart, 4) + Le(0, 4) + Le(kCompoundMiniCutoff, 4) +
        Le(fields.miniFatStart, 4) + Le(fields.miniFatSectors, 4) + Le(fields.difatStart, 4) +
        Le(fields.difatSectors, 4);
    for (size_t i = 0; i < kCompoundHeaderFatIds; ++i)
        header += Le(i < fields.headerFatIds.size() ? fields.headerFatIds[i] : kCompoundFree, 4);
    header.resize(size_t{1} << fields.sectorShift, '\0');
    return header;
}

std::string BiffRecord(uint16_t type, const std::string& body) {
    return Le(type, 2) + Le(body.size(), 2) + body;
}

std::string BiffContinued(uint16_t type, const std::string& body) {
    constexpr size_t kLongestBody = 8224;
    std::string records;
    for (size_t at = 0; at == 0 || at < body.size(); at += kLongestBody)
        records += BiffRecord(at == 0 ? type : 0x003C, body.substr(at, kLongestBody));
    return records;
}

std::string WorkbookStream(const std::vector<std::string>& groups) {
    std::string stream = BiffRecord(0x0809, Le(0x0600, 2) + Le(0x0005, 2) + std::string(12, '\0'));
    for (const std::string& group : groups) stream += BiffContinued(0x00EB, group);
    return stream + BiffRecord(0x000A, "");
}

std::string ZlibCompress(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string compressed(size, '\0');
    compress(reinterpret_cast<Bytef*>(&compressed[0]), &size,
             reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()));
    compressed.resize(size);
    return compressed;
}

std::string OfficeArtContainer(uint16_t type, const std::string& records) {
    return Le(0x000F, 2) + Le(type, 2) + Le(records.size(), 4) + records;
}

std::string BlipRecord(const Blip& blip) {
    struct Form {
        uint16_t type;
        uint16_t instance;
        bool metafile;
    };
    static const Form kForms[] = {{0xF01A, 0x3D4, true},  {0xF01B, 0x216, true},
                                  {0xF01C, 0x542, true},  {0xF01D, 0x46A, false},
                                  {0xF01E, 0x6E0, false}, {0xF01F, 0x7A8, false},
                                  {0xF029, 0x6E4, false}, {0xF02A, 0x6E2, false}};
    const Form& form = kForms[static_cast<int>(blip.kind)];
    std::string identifiers(blip.twoIdentifiers ? 32 : 16, '\x5A');
    std::string body = identifiers;
    if (form.metafile) {
        bool deflated = blip.deflated || !blip.compressed.empty();
        std::string kept = !blip.compressed.empty() ? blip.compressed
                           : deflated               ? ZlibCompress(blip.data)
                                                    : blip.data;
        body += Le(blip.data.size(), 4);
        for (int32_t value : blip.frame) body += Le(static_cast<uint32_t>(value), 4);
        body += Le(kept.size(), 4);
        body += std::string(1, deflated ? '\0' : '\xFE') + '\xFE' + kept;
    } else {
        body += '\xFF' + blip.data;
    }
    uint16_t instance = form.instance + (blip.twoIdentifiers ? 1 : 0);
    body += blip.slack;
    return Le(instance << 4, 2) + Le(form.type, 2) + Le(body.size(), 4) + body;
}

std::string RtfHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < bytes.size(); ++i) {
        hex += digits[static_cast<uint8_t>(bytes[i]) >> 4];
        hex += digits[static_cast<uint8_t>(bytes[i]) & 15];
        if (i % 64 == 63) hex += "\r\n";
    }
    return hex;
}

std::string RtfPackageObject(const std::string& package) {
    std::string header(
        "\x01\x05\x00\x00\x02\x00\x00\x00\x08\x00\x00\x00Package\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00",
        24);
    return "{\\rtf1 {\\object\\objemb{\\*\\objclass Package}{\\*\\objdata\r\n" +
           RtfHex(header + Le(package.size(), 4) + package) + "}}}";
}
