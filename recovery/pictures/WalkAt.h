// WalkAt.h: a picture's structure walked from any offset of a source.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/bytes/DocumentReader.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// Moves the reader from a picture's first byte past its end; true when the
// structure held all the way.
using PictureWalk = bool (*)(DocumentReader& reader);

// The size bytes at the cursor, or as many as the document still has, at
// the returned address: the reader's buffer when it can hold them, else copy,
// read from the source. A scan may read in blocks smaller than a header.
inline const uint8_t* BytesAtCursor(DocumentReader& reader, size_t size, uint8_t* copy,
                                    size_t& got) {
    if (size <= reader.Capacity() && reader.Ensure(size)) {
        got = size;
        return reader.Cursor();
    }
    got = reader.Source().ReadAt(reader.Position(), copy, size);
    return copy;
}

// Where the picture that starts at offset ends, when its walk holds: a
// container that knows where a picture starts cuts it there, not at the end
// of the stream that holds it.
inline std::optional<uint64_t> WalkedEnd(ByteSource& source, uint64_t offset, PictureWalk walk) {
    constexpr size_t kWalkBlockSize = 64 * 1024;
    DocumentReader reader(source, kWalkBlockSize, offset);
    if (!walk(reader)) return std::nullopt;
    return reader.Position();
}
