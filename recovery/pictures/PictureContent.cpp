// PictureContent.cpp
#include "recovery/pictures/PictureContent.h"

#include "recovery/pictures/BmpWalk.h"
#include "recovery/bytes/DocumentReader.h"
#include "recovery/pictures/EmfWalk.h"
#include "recovery/pictures/GifWalk.h"
#include "recovery/pictures/JpegWalk.h"
#include "recovery/pictures/PictureHeaders.h"
#include "recovery/pictures/PngWalk.h"
#include "recovery/bytes/SliceSource.h"
#include "recovery/pictures/WalkAt.h"

#include <cstring>
#include <memory>
#include <string_view>

namespace {

constexpr size_t kHeadSize = 512;
constexpr size_t kSignatureHeld = 8;

bool Starts(const uint8_t* head, size_t size, std::string_view signature) {
    return size >= signature.size() && std::memcmp(head, signature.data(), signature.size()) == 0;
}

bool IsEnhancedMetafile(const uint8_t* head, size_t size) {
    return size >= kEmfHeaderSize && EmfHeaderHolds(head);
}

// A metafile kept without its placeable header: its own header is nine
// 16-bit words long, for a metafile in memory or on disk, of version 1 or 3.
bool IsPlainMetafile(const uint8_t* head, size_t size) {
    if (size < 18) return false;
    uint16_t type = Little16(head);
    uint16_t version = Little16(head + 4);
    return (type == 1 || type == 2) && Little16(head + 2) == 9 &&
           (version == 0x0100 || version == 0x0300);
}

// After the XML declaration, comments and a document type, the first
// element of an SVG drawing is <svg>, with a namespace prefix or without.
bool IsSvg(const uint8_t* head, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(head), size);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    for (;;) {
        size_t open = text.find_first_not_of(" \t\r\n");
        if (open == std::string_view::npos || text[open] != '<') return false;
        text.remove_prefix(open);
        if (text.substr(0, 2) == "<?" || text.substr(0, 2) == "<!") {
            std::string_view end = text.substr(0, 4) == "<!--" ? "-->" : ">";
            size_t close = text.find(end);
            if (close == std::string_view::npos) return false;
            text.remove_prefix(close + end.size());
            continue;
        }
        for (std::string_view root : {"<svg", "<svg:svg"}) {
            if (text.size() > root.size() && text.substr(0, root.size()) == root &&
                std::strchr(" \t\r\n>/", text[root.size()]) != nullptr)
                return true;
        }
        return false;
    }
}

// The walk that proves a picture of the kind whole, when it has one. The
// walks start on a signature the reader holds.
PictureWalk WalkOf(PictureKind kind) {
    switch (kind) {
    case PictureKind::Jpeg:
        return [](DocumentReader& reader) {
            uint64_t trusted;
            bool image = false;
            return reader.Ensure(kSignatureHeld) && WalkJpegPicture(reader, trusted, &image) &&
                   image;
        };
    case PictureKind::Png:
        return [](DocumentReader& reader) {
            uint64_t trusted;
            return reader.Ensure(kSignatureHeld) && WalkPngPicture(reader, trusted);
        };
    case PictureKind::Gif: return [](DocumentReader& reader) { return WalkGifPicture(reader); };
    case PictureKind::Bmp: return WalkBmpPicture;
    case PictureKind::Emf: return [](DocumentReader& reader) { return WalkEmfPicture(reader); };
    default: return nullptr;
    }
}

}  // namespace

std::optional<PictureKind> PictureKindAt(ByteSource& source, uint64_t offset) {
    uint8_t head[kHeadSize];
    size_t size = source.ReadAt(offset, head, sizeof head);
    if (Starts(head, size, "\xFF\xD8\xFF")) return PictureKind::Jpeg;
    if (Starts(head, size, "\x89PNG\r\n\x1A\n")) return PictureKind::Png;
    if (Starts(head, size, "GIF87a") || Starts(head, size, "GIF89a")) return PictureKind::Gif;
    uint64_t bmpSize;
    if (BmpFileHolds(head, size, bmpSize)) return PictureKind::Bmp;
    if (Starts(head, size, std::string_view("II*\0", 4)) || Starts(head, size, std::string_view("MM\0*", 4)))
        return PictureKind::Tiff;
    if (Starts(head, size, std::string_view("II\xBC\x01", 4))) return PictureKind::Wdp;
    if (IsEnhancedMetafile(head, size)) return PictureKind::Emf;
    if (Starts(head, size, std::string_view(reinterpret_cast<const char*>(kPlaceableMetafileKey), 4)) ||
        IsPlainMetafile(head, size))
        return PictureKind::Wmf;
    if (IsSvg(head, size)) return PictureKind::Svg;
    return std::nullopt;
}

bool JpegWithoutImage(ByteSource& view, uint64_t offset) {
    constexpr size_t kWalkBlockSize = 4096;
    DocumentReader reader(view, kWalkBlockSize, offset);
    uint64_t trusted;
    bool image = true;
    return reader.Ensure(kSignatureHeld) && WalkJpegPicture(reader, trusted, &image) && !image;
}

bool StartsWithJfif(ByteSource& view, uint64_t offset) {
    uint8_t head[5];
    return ReadExactly(view, offset, head, sizeof head) &&
           std::memcmp(head, "\xFF\xD8\xFF\xE0\x00", sizeof head) == 0;
}

uint64_t PictureEndInRecord(ByteSource& view, PictureKind kind, uint64_t from, uint64_t to,
                            bool* whole) {
    PictureWalk walk = WalkOf(kind);
    SliceSource record(std::shared_ptr<ByteSource>(&view, [](ByteSource*) {}), from, to - from);
    std::optional<uint64_t> end = walk != nullptr ? WalkedEnd(record, 0, walk) : std::nullopt;
    if (whole != nullptr) *whole = end.has_value();
    return end ? from + *end : to;
}
