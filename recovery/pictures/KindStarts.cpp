// KindStarts.cpp
#include "recovery/pictures/KindStarts.h"

#include "base/LittleEndian.h"
#include "recovery/pictures/BmpWalk.h"
#include "recovery/pictures/EmfWalk.h"
#include "recovery/pictures/JpegWalk.h"
#include "recovery/pictures/PictureHeaders.h"

#include <cstring>
#include <string_view>

namespace {

bool Starts(const uint8_t* head, size_t size, std::string_view signature) {
    return size >= signature.size() && std::memcmp(head, signature.data(), signature.size()) == 0;
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

// Start of image, then an APP0 marker whose length starts with a zero byte.
constexpr uint8_t kJfifSignature[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
constexpr uint8_t kPngSignature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D};
constexpr uint8_t kGifSignature[] = {'G', 'I', 'F', '8'};

}  // namespace

bool StartsAsJpeg(const uint8_t* head, size_t size) { return Starts(head, size, "\xFF\xD8\xFF"); }

bool StartsAsPng(const uint8_t* head, size_t size) {
    return Starts(head, size, "\x89PNG\r\n\x1A\n");
}

bool StartsAsGif(const uint8_t* head, size_t size) {
    return Starts(head, size, "GIF87a") || Starts(head, size, "GIF89a");
}

bool StartsAsBmp(const uint8_t* head, size_t size) {
    uint64_t fileSize;
    return BmpFileHolds(head, size, fileSize);
}

bool StartsAsTiff(const uint8_t* head, size_t size) {
    return Starts(head, size, std::string_view("II*\0", 4)) ||
           Starts(head, size, std::string_view("MM\0*", 4));
}

bool StartsAsEmf(const uint8_t* head, size_t size) {
    return size >= kEmfHeaderSize && EmfHeaderHolds(head);
}

bool StartsAsWmf(const uint8_t* head, size_t size) {
    return Starts(head, size,
                  std::string_view(reinterpret_cast<const char*>(kPlaceableMetafileKey), 4)) ||
           IsPlainMetafile(head, size);
}

bool StartsAsWdp(const uint8_t* head, size_t size) {
    return Starts(head, size, std::string_view("II\xBC\x01", 4));
}

// After the XML declaration, comments and a document type, the first
// element of an SVG drawing is <svg>, with a namespace prefix or without.
bool StartsAsSvg(const uint8_t* head, size_t size) {
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

// Three bytes alone match too much: only a JFIF start is taken on them.
SignatureStart JpegSignatureAt(const uint8_t* pair, const uint8_t*) {
    if (pair[1] != kJfifSignature[1] || pair[2] != kJfifSignature[2]) return SignatureStart::None;
    if (pair[3] == kJfifSignature[3] && pair[4] == kJfifSignature[4]) return SignatureStart::Taken;
    return IsJpegSegmentMarker(pair[3]) ? SignatureStart::IfWhole : SignatureStart::None;
}

SignatureStart PngSignatureAt(const uint8_t* pair, const uint8_t*) {
    return std::memcmp(pair, kPngSignature, sizeof kPngSignature) == 0 ? SignatureStart::Taken
                                                                       : SignatureStart::None;
}

SignatureStart GifSignatureAt(const uint8_t* pair, const uint8_t*) {
    bool version = pair[4] == '7' || pair[4] == '9';
    return std::memcmp(pair, kGifSignature, sizeof kGifSignature) == 0 && version
               ? SignatureStart::IfWhole
               : SignatureStart::None;
}

// A BMP file header shows nothing more in five bytes: its headers are read
// with the walk.
SignatureStart BmpSignatureAt(const uint8_t*, const uint8_t*) { return SignatureStart::IfWhole; }

// The pair is "EM" of the signature " EMF". The space before it is checked
// when the buffer still holds it; at a block's start the header is read
// whole with the walk.
SignatureStart EmfSignatureAt(const uint8_t* pair, const uint8_t* held) {
    bool spaceBefore = pair == held || pair[-1] == ' ';
    return spaceBefore && pair[2] == 'F' ? SignatureStart::IfWhole : SignatureStart::None;
}
