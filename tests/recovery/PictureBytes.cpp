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

std::string GifPicture(const std::string& comment) {
    std::string gif = "GIF89a";
    gif += Le(2, 2) + Le(2, 2) + "\x80" + std::string(2, '\0');  // two colours
    gif += std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
    gif += std::string("\x21\xFE", 2) + SubBlocks(comment);
    gif += "\x2C" + Le(0, 2) + Le(0, 2) + Le(2, 2) + Le(2, 2) + std::string(1, '\0');
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

std::string EmfPicture(const std::string& records) {
    std::string body = EmfRecord(kEmfSetMapMode, Le(1, 4)) + records +
                       EmfRecord(kEmfEndOfFile, Le(0, 4) + Le(16, 4) + Le(20, 4));
    constexpr uint32_t kHeaderSize = 88;
    std::string header = Le(kEmfHeaderType, 4) + Le(kHeaderSize, 4);
    header += Le(0, 4) + Le(0, 4) + Le(99, 4) + Le(49, 4);        // bounds in pixels
    header += Le(0, 4) + Le(0, 4) + Le(2646, 4) + Le(1323, 4);    // frame in 0.01 mm
    header += " EMF" + Le(0x10000, 4) + Le(kHeaderSize + body.size(), 4) +
              Le(1 + CountRecords(body), 4) + Le(1, 2) + Le(0, 2);
    header += Le(0, 4) + Le(0, 4) + Le(0, 4);                     // no description, no palette
    header += Le(1920, 4) + Le(1080, 4) + Le(508, 4) + Le(286, 4);  // device
    return header + body;
}
