// ContainerBytes.h: the records of ZIP archives and compound files, written
// field by field, for the test builders and the benchmark's large documents.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The value's low bytes, least significant first.
std::string Le(uint64_t value, int bytes);

// --- ZIP --------------------------------------------------------------------

// The fields of an entry as its headers give them, written as they are: a
// caller that uses ZIP64 or a data descriptor puts in the marker values itself.
struct ZipHeaderFields {
    std::string name;
    uint16_t flags = 0;
    uint16_t method = 8;
    uint32_t crc = 0;
    uint64_t compressedSize = 0;
    uint64_t size = 0;
    uint64_t localHeaderOffset = 0;  // central header only
    std::string extra;
};

std::string ZipLocalHeader(const ZipHeaderFields& fields);
std::string ZipCentralHeader(const ZipHeaderFields& fields);
std::string ZipEndRecord(uint64_t entries, uint64_t directorySize, uint64_t directoryOffset);

// --- Compound files ---------------------------------------------------------

constexpr uint32_t kCompoundFree = 0xFFFFFFFF;
constexpr uint32_t kCompoundEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kCompoundFatSector = 0xFFFFFFFD;
constexpr uint32_t kCompoundDifatSector = 0xFFFFFFFC;
constexpr uint32_t kCompoundMiniCutoff = 4096;
constexpr size_t kCompoundHeaderFatIds = 109;

// A 128-byte directory entry (ASCII name; an empty one leaves the name unset).
std::string CompoundDirectoryEntry(const std::string& name, uint8_t type, uint32_t child,
                                   uint32_t right, uint32_t start, uint64_t size);

// The header of a file with 64-byte mini sectors: version 3 with 512-byte
// sectors, or version 4 with 4096-byte ones, where the header fills a whole
// sector. headerFatIds: the first 109 allocation table sectors (kCompoundFree
// where there are fewer).
struct CompoundHeaderFields {
    unsigned sectorShift = 9;
    uint64_t fatSectors = 0;
    uint64_t directoryStart = 0;
    uint64_t miniFatStart = kCompoundEndOfChain;
    uint64_t miniFatSectors = 0;
    uint64_t difatStart = kCompoundEndOfChain;
    uint64_t difatSectors = 0;
    std::vector<uint32_t> headerFatIds;
};

std::string CompoundHeader(const CompoundHeaderFields& fields);

// A workbook stream (BOF, the drawing group, EOF) whose drawing group is
// written as one record per element of groups, each cut into record bodies of
// at most 8,224 bytes, the rest of the element in continuation records.
std::string WorkbookStream(const std::vector<std::string>& groups);

// A workbook record: type, length, body (at most 8,224 bytes).
std::string BiffRecord(uint16_t type, const std::string& body);
// The body in a record of the type, the rest of it in continuation records.
std::string BiffContinued(uint16_t type, const std::string& body);

// --- Office drawing records ---------------------------------------------------

// A picture record as Office writes it: a bitmap's (JPEG, PNG, DIB, TIFF)
// identifier and tag, or a metafile's (EMF, WMF, PICT) identifier and header,
// its data deflated when asked, then slack the record pads it with.
// JpegOtherForm is a JPEG's record of the other type and instance it may have.
enum class BlipKind { Emf, Wmf, Pict, Jpeg, Png, Dib, Tiff, JpegOtherForm };
struct Blip {
    BlipKind kind;
    std::string data;
    bool deflated = false;
    std::string slack;
    bool twoIdentifiers = false;
    // A metafile's bounds (left, top, right, bottom) and its size on the
    // page in EMUs, as its header gives them.
    std::array<int32_t, 6> frame = {0, 0, 200, 100, 2540000, 1270000};
    // A deflated metafile kept as these bytes instead of data's deflation,
    // data giving the size the header declares.
    std::string compressed;
};
std::string BlipRecord(const Blip& blip);
// A container record (version 15) holding the records.
std::string OfficeArtContainer(uint16_t type, const std::string& records);

// Bytes in zlib's format, as office records keep compressed data.
std::string ZlibCompress(const std::string& bytes);

// --- RTF --------------------------------------------------------------------

// The bytes as the hexadecimal text of an RTF picture group, 64 bytes a line.
std::string RtfHex(const std::string& bytes);
// RTF text embedding the package as an object, behind its object header.
std::string RtfPackageObject(const std::string& package);
