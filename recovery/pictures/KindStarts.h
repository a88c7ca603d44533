// KindStarts.h: how each kind of picture is told by its first bytes, and what
// the bytes around the pair the plain search stops at show.
#pragma once

#include <cstddef>
#include <cstdint>

// Each is true when the head (size bytes of it held) starts a file of its
// kind. No two kinds start alike, so the order they are asked in is free.
bool StartsAsJpeg(const uint8_t* head, size_t size);
bool StartsAsPng(const uint8_t* head, size_t size);
bool StartsAsGif(const uint8_t* head, size_t size);
bool StartsAsBmp(const uint8_t* head, size_t size);
bool StartsAsTiff(const uint8_t* head, size_t size);
bool StartsAsEmf(const uint8_t* head, size_t size);
bool StartsAsWmf(const uint8_t* head, size_t size);
bool StartsAsWdp(const uint8_t* head, size_t size);
bool StartsAsSvg(const uint8_t* head, size_t size);

// What the bytes around a pair the search found show.
enum class SignatureStart : uint8_t {
    None,     // no picture of the kind starts there
    Taken,    // a picture taken on its signature alone
    IfWhole,  // a picture taken only when its structure holds to its end
};

// Each looks at the bytes around a pair of its kind: five bytes from pair
// on are readable, and those from held on.
SignatureStart JpegSignatureAt(const uint8_t* pair, const uint8_t* held);
SignatureStart PngSignatureAt(const uint8_t* pair, const uint8_t* held);
SignatureStart GifSignatureAt(const uint8_t* pair, const uint8_t* held);
SignatureStart BmpSignatureAt(const uint8_t* pair, const uint8_t* held);
SignatureStart EmfSignatureAt(const uint8_t* pair, const uint8_t* held);
