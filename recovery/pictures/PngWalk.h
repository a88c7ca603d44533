// PngWalk.h: finding where a PNG picture ends.
#pragma once

#include <cstdint>

class BrokenWalks;
class DocumentReader;

// Walks the picture chunk by chunk from the PNG signature at the reader's
// cursor, so that the letters "IEND" inside another chunk's data do not end
// it. True when the cursor passed the IEND chunk's checksum. Otherwise the
// chunk structure broke where the cursor stands, and trusted tells from where
// on the bytes may not be the picture's own: another picture may start there.
// With broken, a walk that reaches a chunk of an earlier broken walk breaks
// at once, and a walk that breaks is remembered.
bool WalkPngPicture(DocumentReader& reader, uint64_t& trusted, BrokenWalks* broken = nullptr);

// Moves the reader past the next "IEND" and the four bytes after it, the end
// of a picture whose chunk structure broke. False when the document ends
// first: the cursor is then at the document's end.
bool SkipToPngEnd(DocumentReader& reader);
