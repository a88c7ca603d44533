// JpegWalk.h: finding where a JPEG picture ends.
#pragma once

#include <cstdint>

class DocumentReader;

// Moves the reader from the start-of-image marker at its cursor to the byte
// after the picture's end-of-image marker. The picture's own structure is
// followed (segments by their lengths, then the entropy-coded data of each
// scan), so end markers inside segments, such as those of an embedded
// thumbnail, do not end it. Where the structure is broken, the first FF D9
// after the point the walk reached is taken as the end.
// False when the document ends first: the cursor is then at the document's end.
bool SkipJpegPicture(DocumentReader& reader);

// True when code after FF is a marker that carries a length field, the only
// kind that may follow a picture's start-of-image marker.
bool IsJpegSegmentMarker(uint8_t code);

// True when the bytes from the start-of-image marker at the cursor form a
// picture: segments of sound lengths, a frame header, at least one scan after
// it, and an end-of-image marker. Moves the cursor while checking.
bool JpegStructureHolds(DocumentReader& reader);
