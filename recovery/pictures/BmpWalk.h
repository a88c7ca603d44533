// BmpWalk.h: telling a whole BMP file from two letters that look like one.
#pragma once

#include <cstddef>
#include <cstdint>

class DocumentReader;

// The most header bytes BmpFileHolds reads: the file header and the largest
// info header.
constexpr size_t kBmpHeadersSize = 14 + 124;

// Whether the headers at bytes (available of them readable) describe a whole
// file: "BM", reserved fields zero, a known info header with a plausible
// size and colour depth, and the pixels, after the headers and the colour
// table, within the size the file header gives. fileSize is then that size.
bool BmpFileHolds(const uint8_t* bytes, size_t available, uint64_t& fileSize);

// Where the pixels of a bitmap kept without its file header start in a .bmp
// file (the file header, the info header, masks and colour table counted);
// false when the info header at dib is none a bitmap has.
bool BitmapPixelOffset(const uint8_t* dib, size_t available, uint64_t& pixelsAt);

// A BMP file holds no structure beyond its headers: the cursor moves past the
// size they give when they hold and the document has that many bytes.
bool WalkBmpPicture(DocumentReader& reader);

