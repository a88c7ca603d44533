// PictureBytes.cpp
#include "PictureBytes.h"

#include "ContainerBytes.h"

namespace {

constexpr uint32_t kEmfHeaderType = 1;
constexpr uint32_t kEmfEndOfFile = 14;
constexpr uint32_t kEmfComment = 70;
constexpr uint32_t kEmfSetMapMode = 17;

std::string SubBlocks(const std::string& data) {
    std::string blocks;
    for (size_t at = 0; at < data.size(); at += 255) {
        std::string piece = data.substr(at, 255);
        blocks += static_cast<char>(piece.size()) + piece;
    }
    return blocks + '\0';
}

std::string Padded(std::string bytes) {
    bytes.resize((bytes.size() + 3) / 4 * 4, '\0');
    return bytes;
}

// How many records the bytes hold, each led by its type and size.
uint32_t CountRecords(const std::string& records) {
    uint32_t count = 0;
    for (size_t at = 0; at + 8 <= records.size(); ++count) {
        const auto* size = reinterpret_cast<const uint8_t*>(records.data() + at + 4);
        at += size[0] | (size[1] << 8) | (size[2] << 16) | (uint32_t{size[3]} << 24);
    }
    return count;
}

}  // namespace

std::string GifPicture(const std::string& comment, bool localColours) {
    std::string gif = "GIF89a";
    gif += Le(2, 2) + Le(2, 2) + "\x80" + std::string(2, '\0');  // two colours
    gif += std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
    gif += std::string("\x21\xFE", 2) + SubBlocks(comment);
    gif += "\x2C" + Le(0, 2) + Le(0, 2) + Le(2, 2) + Le(2, 2);
    gif += localColours ? std::string("\x80\xFF\x00\x00\x00\x00\xFF", 7) : std::string(1, '\0');
    gif += "\x02" + SubBlocks(std::string("\x8C\x2D\x99\x87\x2A\x1C\xDC\x33\xA0\x02\x75", 11));
    return gif + "\x3B";
}

std::string BmpPicture(const BmpShape& shape) {
    uint32_t colours = shape.bitCount <= 8 ? 1u << shape.bitCount : 0;
    uint32_t entrySize = shape.headerSize == 12 ? 3 : 4;
    uint32_t pixelsAt = 14 + shape.headerSize + colours * entrySize;
    uint32_t rowBytes = (static_cast<uint32_t>(shape.width) * shape.bitCount + 31) / 32 * 4;
    uint32_t imageSize = rowBytes * static_cast<uint32_t>(shape.height < 0 ? -shape.height
                                                                              : shape.height);
    std::string bmp = "BM" + Le(pixelsAt + imageSize, 4) + Le(0, 4) + Le(pixelsAt, 4);
    if (shape.headerSize == 12) {
        bmp += Le(12, 4) + Le(shape.width, 2) + Le(shape.height, 2) + Le(1, 2) +
               Le(shape.bitCount, 2);
    } else {
        bmp += Le(shape.headerSize, 4) + Le(static_cast<uint32_t>(shape.width), 4) +
               Le(static_cast<uint32_t>(shape.height), 4) + Le(1, 2) + Le(shape.bitCount, 2) +
               Le(0, 4) + Le(imageSize, 4) + Le(2835, 4) + Le(2835, 4) + Le(0, 4) + Le(0, 4);
        bmp += std::string(shape.headerSize - 40, '\0');
    }
    for (uint32_t i = 0; i < colours * entrySize; ++i) bmp += static_cast<char>(i * 7);
    std::string pattern = shape.pixels.empty() ? std::string("\x10\x80\x33\xC7") : shape.pixels;
    for (uint32_t i = 0; i < imageSize; ++i) bmp += pattern[i % pattern.size()];
    return bmp;
}

std::string EmfRecord(uint32_t type, const std::string& data) {
    std::string padded = Padded(data);
    return Le(type, 4) + Le(8 + padded.size(), 4) + padded;
}

std::string EmfComment(const std::string& bytes) {
    return EmfRecord(kEmfComment, Le(bytes.size(), 4) + bytes);
}

std::string EmfPicture(const std::string& records, uint32_t headerSize) {
    std::string body = EmfRecord(kEmfSetMapMode, Le(1, 4)) + records +
                       EmfRecord(kEmfEndOfFile, Le(0, 4) + Le(16, 4) + Le(20, 4));
    std::string header = Le(kEmfHeaderType, 4) + Le(headerSize, 4);
    header += Le(0, 4) + Le(0, 4) + Le(99, 4) + Le(49, 4);        // bounds in pixels
    header += Le(0, 4) + Le(0, 4) + Le(2646, 4) + Le(1323, 4);    // frame in 0.01 mm
    header += " EMF" + Le(0x10000, 4) + Le(headerSize + body.size(), 4) +
              Le(1 + CountRecords(body), 4) + Le(1, 2) + Le(0, 2);
    header += Le(0, 4) + Le(0, 4) + Le(0, 4);                     // no description, no palette
    header += Le(1920, 4) + Le(1080, 4) + Le(508, 4) + Le(286, 4);  // device
    header.resize(headerSize, '\0');  // no pixel format, no OpenGL, size in micrometres
    return header + body;
}

namespace {

std::string WmfRecord(uint16_t function, const std::string& parameters) {
    return Le(3 + parameters.size() / 2, 4) + Le(function, 2) + parameters;
}

std::string TiffEntry(uint16_t tag, uint16_t type, uint32_t value) {
    constexpr uint16_t kShort = 3;
    return Le(tag, 2) + Le(type, 2) + Le(1, 4) + (type == kShort ? Le(value, 2) + Le(0, 2) : Le(value, 4));
}

}  // namespace

std::string PlaceableWmf(const std::string& wmf, const std::array<int16_t, 4>& bounds,
                         uint16_t unitsPerInch) {
    std::string header = "\xD7\xCD\xC6\x9A" + Le(0, 2);
    for (int16_t value : bounds) header += Le(static_cast<uint16_t>(value), 2);
    header += Le(unitsPerInch, 2) + Le(0, 4);
    unsigned checksum = 0;  // the ten words before it, XORed
    for (size_t i = 0; i < header.size(); i += 2)
        checksum ^= static_cast<uint8_t>(header[i]) | (static_cast<uint8_t>(header[i + 1]) << 8);
    return header + Le(checksum, 2) + wmf;
}

std::string WmfPicture(int16_t width, int16_t height) {
    std::string records = WmfRecord(0x020B, Le(0, 2) + Le(0, 2));  // window origin: y, x
    records += WmfRecord(0x020C, Le(height, 2) + Le(width, 2));     // window extent: y, x
    records += WmfRecord(0x02FC, Le(0, 2) + Le(0, 4) + Le(0, 2));   // a solid black brush
    records += WmfRecord(0x012D, Le(0, 2));                          // selected
    records += WmfRecord(0x041B, Le(height - 10, 2) + Le(width - 10, 2) + Le(10, 2) + Le(10, 2));
    records += WmfRecord(0x0000, "");
    size_t words = (18 + records.size()) / 2;
    std::string header = Le(1, 2) + Le(9, 2) + Le(0x0300, 2) + Le(words, 4) + Le(1, 2) +
                         Le(7, 4) + Le(0, 2);
    return header + records;
}

std::string TiffPicture(uint16_t width) {
    constexpr uint16_t kShort = 3;
    constexpr uint16_t kLong = 4;
    const uint16_t entries = 9;
    uint32_t pixels = 8 + 2 + entries * 12 + 4;
    std::string ifd = Le(entries, 2);
    ifd += TiffEntry(256, kShort, width);   // width
    ifd += TiffEntry(257, kShort, 1);       // height
    ifd += TiffEntry(258, kShort, 8);       // bits per sample
    ifd += TiffEntry(259, kShort, 1);       // no compression
    ifd += TiffEntry(262, kShort, 1);       // black is zero
    ifd += TiffEntry(273, kLong, pixels);   // where the strip starts
    ifd += TiffEntry(277, kShort, 1);       // samples per pixel
    ifd += TiffEntry(278, kShort, 1);       // rows per strip
    ifd += TiffEntry(279, kLong, width);    // the strip's length
    std::string strip;
    for (uint16_t x = 0; x < width; ++x) strip += static_cast<char>(x * 255 / width);
    return std::string("II*\0", 4) + Le(8, 4) + ifd + Le(0, 4) + strip;
}
