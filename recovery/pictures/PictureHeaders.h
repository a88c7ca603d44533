// PictureHeaders.h: the headers a picture file starts with, which office
// documents leave out where they keep the picture in a record of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// A device-independent bitmap kept without its file header gets the 14
// bytes of a .bmp file's header in front: its size and where its pixels
// start, told by the bitmap's own header. Empty when that header is no
// bitmap header.
std::vector<uint8_t> BitmapFileHeader(const uint8_t* dib, size_t available, uint64_t dibSize);

// A Windows metafile kept without its placeable header gets one, made from
// the bounds the record gives (in the metafile's units) and its size on the
// page in EMUs (914,400 per inch), so that a viewer shows it at its size.
struct MetafileBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t widthEmu = 0;
    int32_t heightEmu = 0;
};
std::vector<uint8_t> PlaceableMetafileHeader(const MetafileBounds& bounds);

class ByteSource;
// The window a metafile without its placeable header draws in, told by its
// own records (its origin and extent); empty bounds when none tells it.
MetafileBounds MetafileWindow(ByteSource& metafile, uint64_t size);

// A Macintosh PICT file starts with 512 bytes its readers pass over.
std::vector<uint8_t> PictFileHeader();

// The first bytes of a placeable metafile.
constexpr uint8_t kPlaceableMetafileKey[] = {0xD7, 0xCD, 0xC6, 0x9A};

// A picture a document keeps where the files of its kind may start with a
// header the document leaves out.
struct KeptPicture {
    ByteSource& source;
    uint64_t start;
    uint64_t size;
    // The bounds its container tells for a metafile: asked for only when
    // the metafile needs a header.
    std::function<MetafileBounds()> bounds;
};

// Each gives the header to put in front of a kept picture of its kind: empty
// when the picture has its own. False when the bytes can be given none.
bool AddBitmapFileHeader(const KeptPicture& kept, std::vector<uint8_t>& header);
bool AddPictFileHeader(const KeptPicture& kept, std::vector<uint8_t>& header);
bool AddPlaceableMetafileHeader(const KeptPicture& kept, std::vector<uint8_t>& header);
