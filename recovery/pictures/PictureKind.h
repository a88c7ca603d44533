// PictureKind.h: the kinds of picture the scanner writes, and the file-name
// extension and short name of each.
#pragma once

#include <bitset>
#include <cstddef>
#include <optional>
#include <string_view>

// All a kind stands for is held in its row of PictureKindTable.h.
enum class PictureKind { Jpeg, Png, Gif, Bmp, Tiff, Emf, Wmf, Pict, Wdp, Svg };
constexpr size_t kPictureKinds = 10;

// Which kinds a scan writes.
using PictureKinds = std::bitset<kPictureKinds>;
inline PictureKinds AllPictureKinds() { return PictureKinds().set(); }

// The extension of the files the kind's pictures are written to.
const char* FileExtension(PictureKind kind);

// The kind's name in the console tool's options and reports.
const char* KindName(PictureKind kind);

inline std::optional<PictureKind> KindNamed(std::string_view name) {
    for (size_t kind = 0; kind < kPictureKinds; ++kind) {
        if (name == KindName(static_cast<PictureKind>(kind))) return static_cast<PictureKind>(kind);
    }
    return std::nullopt;
}
