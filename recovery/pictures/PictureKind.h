// PictureKind.h: the kinds of picture the scanner writes, and the file-name
// extension and short name of each.
#pragma once

#include <bitset>
#include <cstddef>
#include <optional>
#include <string_view>

enum class PictureKind { Jpeg, Png, Gif, Bmp, Tiff, Emf, Wmf, Pict, Wdp, Svg };
constexpr size_t kPictureKinds = 10;

// Which kinds a scan writes.
using PictureKinds = std::bitset<kPictureKinds>;
inline PictureKinds AllPictureKinds() { return PictureKinds().set(); }

// PNG pictures are written with ".gif", as users of the program have always
// found them; the bytes are the PNG's own. GIF pictures share those names.
inline const char* FileExtension(PictureKind kind) {
    constexpr const char* kExtensions[kPictureKinds] = {".jpg", ".gif", ".gif", ".bmp", ".tif",
                                                        ".emf", ".wmf", ".pct", ".wdp", ".svg"};
    return kExtensions[static_cast<size_t>(kind)];
}

// The kind's name in the console tool's options and reports.
inline const char* KindName(PictureKind kind) {
    constexpr const char* kNames[kPictureKinds] = {"jpeg", "png", "gif",  "bmp", "tiff",
                                                   "emf",  "wmf", "pict", "wdp", "svg"};
    return kNames[static_cast<size_t>(kind)];
}

inline std::optional<PictureKind> KindNamed(std::string_view name) {
    for (size_t kind = 0; kind < kPictureKinds; ++kind) {
        if (name == KindName(static_cast<PictureKind>(kind))) return static_cast<PictureKind>(kind);
    }
    return std::nullopt;
}
