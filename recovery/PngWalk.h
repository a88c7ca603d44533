// PngWalk.h: finding where a PNG picture ends.
#pragma once

class DocumentReader;

// Moves the reader from the PNG signature at its cursor to the byte after
// the IEND chunk's checksum, chunk by chunk, so that the letters "IEND" inside
// another chunk's data do not end the picture. Where the chunk structure is
// broken, the first "IEND" after the point the walk reached, plus the four
// bytes after it, is taken as the end.
// False when the document ends first: the cursor is then at the document's end.
bool SkipPngPicture(DocumentReader& reader);
