// PictureKind.h: the kinds of picture the scanner writes, and the file-name
// extension of each.
#pragma once

#include <cstddef>

enum class PictureKind { Jpeg, Png };
constexpr size_t kPictureKinds = 2;

// PNG pictures are written with ".gif", as users of the program have always
// found them; the bytes are the PNG's own.
inline const char* FileExtension(PictureKind kind) {
    return kind == PictureKind::Jpeg ? ".jpg" : ".gif";
}
