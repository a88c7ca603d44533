// PictureBytes.h: small GIF, BMP and EMF pictures written field by field,
// for the scanner's tests and the fuzz seeds.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// A 2 x 2 GIF: global colour table, a graphic control extension, a comment
// extension holding comment (in sub-blocks of up to 255 bytes), one image
// and the trailer.
// With localColours, the image has a colour table of its own (two colours).
std::string GifPicture(const std::string& comment = "made by hand", bool localColours = false);

// A BMP file: a BITMAPINFOHEADER (40 bytes) or the older 12-byte header, a
// colour table for depths up to 8, and rows padded to four bytes, filled
// with pixels.
struct BmpShape {
    int32_t width = 3;
    int32_t height = 2;
    uint16_t bitCount = 24;
    uint32_t headerSize = 40;
    std::string pixels;  // repeated over the image; a pattern when empty
};
std::string BmpPicture(const BmpShape& shape = BmpShape());

// An EMF record: type, size, then the data padded to four bytes.
std::string EmfRecord(uint32_t type, const std::string& data);
// An EMF: the header record, the records given, and the end-of-file record;
// the header counts them all and gives their total size.
// A header longer than its 88 bytes holds zeros in its extensions.
std::string EmfPicture(const std::string& records, uint32_t headerSize = 88);
// A comment record holding the bytes, as a picture may carry another one.
std::string EmfComment(const std::string& bytes);

// A Windows metafile as office documents keep it, without the placeable
// header: its header, its window (origin 0, 0; extent width x height), a
// black brush, a rectangle over most of the window, and the end record.
std::string WmfPicture(int16_t width = 200, int16_t height = 100);

// The metafile behind the placeable header its files start with: its
// bounds (left, top, right, bottom) in its units, so many to the inch.
std::string PlaceableWmf(const std::string& wmf, const std::array<int16_t, 4>& bounds,
                         uint16_t unitsPerInch);

// A little-endian TIFF of width x 1 grey pixels, uncompressed.
std::string TiffPicture(uint16_t width = 4);
