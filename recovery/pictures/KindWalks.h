// KindWalks.h: each kind's structure walk in the forms the engine asks for:
// one that proves a picture whole, and the search's check that remembers
// the walks that broke.
#pragma once

#include <cstdint>

class BrokenWalks;
class DocumentReader;

// Each moves the reader from a picture's first byte past its end; true when
// the structure held all the way. A JPEG whose markers end without a frame
// or a scan holds no picture.
bool WalkWholeJpeg(DocumentReader& reader);
bool WalkWholePng(DocumentReader& reader);
bool WalkWholeGif(DocumentReader& reader);
bool WalkWholeEmf(DocumentReader& reader);

// Each checks the picture at the cursor of a reader made for the check:
// true when its structure holds to its end. A walk that reaches a mark of an
// earlier broken one breaks at once, and a walk that breaks is remembered.
bool PngHolds(DocumentReader& check, BrokenWalks& broken);
bool GifHolds(DocumentReader& check, BrokenWalks& broken);
bool BmpHolds(DocumentReader& check, BrokenWalks& broken);
// The header is checked first: a search finds its signature inside it.
bool EmfHolds(DocumentReader& check, BrokenWalks& broken);

// The PNG walk in the form of the JPEG one, for a picture written even when
// its structure breaks; a PNG tells nothing of an image.
bool WalkPngTrusted(DocumentReader& reader, uint64_t& trusted, bool* image);
