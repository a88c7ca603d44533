// PictureContent.h: telling a picture by its first bytes, and where it ends
// inside the record a container keeps it in.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/pictures/PictureKind.h"

#include <optional>

// The kind of the picture whose file starts at offset of the source, told by
// its signature: how a package's picture parts are told, whatever their names.
std::optional<PictureKind> PictureKindAt(ByteSource& source, uint64_t offset);

// Where the picture kept in [from, to) of the view ends: the end its own
// structure shows when it walks whole within the record, else the record's
// end. A record may pad a picture to a fixed size; a picture damaged as
// stored must not take the bytes behind its record.
// whole, when given, tells whether the structure walked whole.
uint64_t PictureEndInRecord(ByteSource& view, PictureKind kind, uint64_t from, uint64_t to,
                            bool* whole = nullptr);

// True when the JPEG at offset ends its markers before any frame header or
// scan: it holds no picture.
bool JpegWithoutImage(ByteSource& view, uint64_t offset);

// True when a JPEG starts at offset with JFIF's APP0 segment: a start the
// plain search takes on its signature alone.
bool StartsWithJfif(ByteSource& view, uint64_t offset);
