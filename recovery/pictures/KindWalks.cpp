// KindWalks.cpp
#include "recovery/pictures/KindWalks.h"

#include "recovery/bytes/DocumentReader.h"
#include "recovery/pictures/BmpWalk.h"
#include "recovery/pictures/EmfWalk.h"
#include "recovery/pictures/GifWalk.h"
#include "recovery/pictures/JpegWalk.h"
#include "recovery/pictures/PngWalk.h"

namespace {

// The walks of JPEG and PNG look at the whole signature first.
constexpr size_t kSignatureHeld = 8;

}  // namespace

bool WalkWholeJpeg(DocumentReader& reader) {
    uint64_t trusted;
    bool image = false;
    return reader.Ensure(kSignatureHeld) && WalkJpegPicture(reader, trusted, &image) && image;
}

bool WalkWholePng(DocumentReader& reader) {
    uint64_t trusted;
    return reader.Ensure(kSignatureHeld) && WalkPngPicture(reader, trusted);
}

bool WalkWholeGif(DocumentReader& reader) { return WalkGifPicture(reader); }

bool WalkWholeEmf(DocumentReader& reader) { return WalkEmfPicture(reader); }

bool PngHolds(DocumentReader& check, BrokenWalks& broken) {
    uint64_t trusted;
    return WalkPngPicture(check, trusted, &broken);
}

bool GifHolds(DocumentReader& check, BrokenWalks& broken) { return WalkGifPicture(check, &broken); }

// A BMP's walk reads its headers and jumps over its pixels: nothing to remember.
bool BmpHolds(DocumentReader& check, BrokenWalks&) { return WalkBmpPicture(check); }

bool EmfHolds(DocumentReader& check, BrokenWalks& broken) {
    return check.Ensure(kEmfHeaderSize) && EmfHeaderHolds(check.Cursor()) &&
           WalkEmfPicture(check, &broken);
}

bool WalkPngTrusted(DocumentReader& reader, uint64_t& trusted, bool*) {
    return WalkPngPicture(reader, trusted);
}
