// RtfPictureHeader.h: what the control words of an RTF \pict group tell of
// its picture, before the picture's data.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/pictures/PictureKind.h"

#include <optional>

struct RtfPictureHeader {
    std::optional<PictureKind> kind;  // none for kinds not written (a device bitmap)
    int64_t width = 0;       // \picw: the metafile's extent, or pixels
    int64_t height = 0;      // \pich
    int64_t goalWidth = 0;   // \picwgoal: the width on the page, in twips
    int64_t goalHeight = 0;  // \pichgoal
};

// Reads the words from the text right after \pict to the group's first data.
RtfPictureHeader ReadRtfPictureHeader(ByteSource& text, uint64_t from);
