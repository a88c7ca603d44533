// JpegWalk.h: finding where a JPEG picture ends.
#pragma once

#include <cstdint>

class BrokenWalks;
class DocumentReader;

// Walks the picture from the start-of-image marker at the reader's cursor,
// following its own structure (segments by their lengths, then the
// entropy-coded data of each scan), so that end markers inside segments,
// such as those of an embedded thumbnail, do not end it. True when the cursor
// passed the picture's end-of-image marker. Otherwise the structure broke
// where the cursor stands, and trusted tells from where on the bytes may not
// be the picture's own: another picture may start there.
// image, when given, tells whether a frame header or a scan came before the
// end: markers that end without either hold no picture at all.
bool WalkJpegPicture(DocumentReader& reader, uint64_t& trusted, bool* image = nullptr);

// Moves the reader to the byte after the next FF D9, the end of a picture
// whose structure broke. False when the document ends first: the cursor is
// then at the document's end.
bool SkipToJpegEnd(DocumentReader& reader);

// True when code after FF is a marker that carries a length field, the only
// kind that may follow a picture's start-of-image marker.
bool IsJpegSegmentMarker(uint8_t code);

// True when the bytes from the start-of-image marker at the cursor form a
// picture: segments of sound lengths, a frame header, at least one scan after
// it, and an end-of-image marker. Moves the cursor while checking. A walk
// that reaches a mark of an earlier broken one breaks at once.
bool JpegStructureHolds(DocumentReader& reader, BrokenWalks& broken);
