// PictureKindTable.h: one row per kind of picture, all the engine knows of
// it: its names, how its first bytes are told, how the plain search finds it
// and how strictly a start is taken, its walks, the header its files start
// with where documents leave it out, and where office documents keep it.
// A new kind is a new row.
#pragma once

#include "recovery/pictures/BmpWalk.h"
#include "recovery/pictures/EmfWalk.h"
#include "recovery/pictures/JpegWalk.h"
#include "recovery/pictures/KindStarts.h"
#include "recovery/pictures/KindWalks.h"
#include "recovery/pictures/PictureHeaders.h"
#include "recovery/pictures/PictureKind.h"
#include "recovery/pictures/PngWalk.h"
#include "recovery/pictures/WalkAt.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

// How the plain search finds a picture among other bytes: it stops at a
// pair of bytes, rare in other data, that lies offset bytes into the
// picture, and asks startAt what the bytes around the pair show. A zero
// byte is too common to start a pair: a kind without one is not searched for.
struct SearchSignature {
    uint8_t first = 0;
    uint8_t second = 0;
    uint8_t offset = 0;
    SignatureStart (*startAt)(const uint8_t* pair, const uint8_t* held) = nullptr;

    constexpr bool Searched() const { return first != 0; }
};

// The records of office drawing data that keep a picture of the kind: each
// of the types with each of the instances (with one identifier; the next
// instance has two). A metafile's record has a header of its own before it.
struct OfficeArtRecords {
    uint16_t types[2] = {};
    uint16_t instances[2] = {};
    bool metafile = false;
};

struct PictureKindInfo {
    PictureKind kind;
    const char* name;       // in the console tool's options and reports
    const char* extension;  // of the files written
    // Whether a file of the kind starts at head; none for a kind that only
    // its container tells.
    bool (*startsAt)(const uint8_t* head, size_t size) = nullptr;
    // None for a kind the plain search does not look for.
    SearchSignature search;
    // Whether the picture at a check's cursor is whole, the walks that broke
    // remembered: the search's check of a start it does not take on its
    // signature alone, and of a picture that cuts a broken one short.
    bool (*holds)(DocumentReader& check, BrokenWalks& broken) = nullptr;
    // The walk that proves a picture whole; none for a kind without one.
    PictureWalk walk = nullptr;
    // For a kind the search may take on its signature alone, the picture is
    // written even when its structure breaks: this walk tells from where its
    // bytes may not be its own, and the end marker cuts it.
    bool (*salvageWalk)(DocumentReader& reader, uint64_t& trusted, bool* image) = nullptr;
    bool (*skipToEndMarker)(DocumentReader& reader) = nullptr;
    // The header the kind's files start with, for a picture documents keep
    // without it.
    bool (*fileHeader)(const KeptPicture& kept, std::vector<uint8_t>& header) = nullptr;
    OfficeArtRecords officeArt;
    // The control word of an RTF picture group that names the kind.
    const char* rtfWord = nullptr;

    constexpr PictureKindInfo(PictureKind kind, const char* name, const char* extension)
        : kind(kind), name(name), extension(extension) {}

    constexpr PictureKindInfo StartsWith(bool (*test)(const uint8_t*, size_t)) const {
        PictureKindInfo row = *this;
        row.startsAt = test;
        return row;
    }
    constexpr PictureKindInfo SearchedFor(SearchSignature signature,
                                          bool (*check)(DocumentReader&, BrokenWalks&)) const {
        PictureKindInfo row = *this;
        row.search = signature;
        row.holds = check;
        return row;
    }
    constexpr PictureKindInfo WalkedBy(PictureWalk whole) const {
        PictureKindInfo row = *this;
        row.walk = whole;
        return row;
    }
    constexpr PictureKindInfo SalvagedBy(bool (*walk)(DocumentReader&, uint64_t&, bool*),
                                         bool (*skipToEnd)(DocumentReader&)) const {
        PictureKindInfo row = *this;
        row.salvageWalk = walk;
        row.skipToEndMarker = skipToEnd;
        return row;
    }
    constexpr PictureKindInfo HeaderBy(bool (*make)(const KeptPicture&,
                                                    std::vector<uint8_t>&)) const {
        PictureKindInfo row = *this;
        row.fileHeader = make;
        return row;
    }
    constexpr PictureKindInfo InOfficeArt(OfficeArtRecords records) const {
        PictureKindInfo row = *this;
        row.officeArt = records;
        return row;
    }
    constexpr PictureKindInfo InRtf(const char* word) const {
        PictureKindInfo row = *this;
        row.rtfWord = word;
        return row;
    }
};

// PNG pictures are written with ".gif", as users of the program have always
// found them; the bytes are the PNG's own. GIF pictures share those names.
inline constexpr PictureKindInfo kPictureKindTable[] = {
    PictureKindInfo(PictureKind::Jpeg, "jpeg", ".jpg")
        .StartsWith(StartsAsJpeg)
        .SearchedFor({0xFF, 0xD8, 0, JpegSignatureAt}, JpegStructureHolds)
        .WalkedBy(WalkWholeJpeg)
        .SalvagedBy(WalkJpegPicture, SkipToJpegEnd)
        .InOfficeArt({{0xF01D, 0xF02A}, {0x46A, 0x6E2}})
        .InRtf("jpegblip"),
    PictureKindInfo(PictureKind::Png, "png", ".gif")
        .StartsWith(StartsAsPng)
        .SearchedFor({0x89, 'P', 0, PngSignatureAt}, PngHolds)
        .WalkedBy(WalkWholePng)
        .SalvagedBy(WalkPngTrusted, SkipToPngEnd)
        .InOfficeArt({{0xF01E}, {0x6E0}})
        .InRtf("pngblip"),
    PictureKindInfo(PictureKind::Gif, "gif", ".gif")
        .StartsWith(StartsAsGif)
        .SearchedFor({'G', 'I', 0, GifSignatureAt}, GifHolds)
        .WalkedBy(WalkWholeGif),
    PictureKindInfo(PictureKind::Bmp, "bmp", ".bmp")
        .StartsWith(StartsAsBmp)
        .SearchedFor({'B', 'M', 0, BmpSignatureAt}, BmpHolds)
        .WalkedBy(WalkBmpPicture)
        .HeaderBy(AddBitmapFileHeader)
        .InOfficeArt({{0xF01F}, {0x7A8}})
        .InRtf("dibitmap"),
    PictureKindInfo(PictureKind::Tiff, "tiff", ".tif")
        .StartsWith(StartsAsTiff)
        .InOfficeArt({{0xF029}, {0x6E4}}),
    // The search stops at "EM" of the signature " EMF", which lies inside
    // the header, behind fields that vary.
    PictureKindInfo(PictureKind::Emf, "emf", ".emf")
        .StartsWith(StartsAsEmf)
        .SearchedFor({'E', 'M', kEmfSignatureOffset + 1, EmfSignatureAt}, EmfHolds)
        .WalkedBy(WalkWholeEmf)
        .InOfficeArt({{0xF01A}, {0x3D4}, true})
        .InRtf("emfblip"),
    PictureKindInfo(PictureKind::Wmf, "wmf", ".wmf")
        .StartsWith(StartsAsWmf)
        .HeaderBy(AddPlaceableMetafileHeader)
        .InOfficeArt({{0xF01B}, {0x216}, true})
        .InRtf("wmetafile"),
    PictureKindInfo(PictureKind::Pict, "pict", ".pct")
        .HeaderBy(AddPictFileHeader)
        .InOfficeArt({{0xF01C}, {0x542}, true})
        .InRtf("macpict"),
    PictureKindInfo(PictureKind::Wdp, "wdp", ".wdp").StartsWith(StartsAsWdp),
    PictureKindInfo(PictureKind::Svg, "svg", ".svg").StartsWith(StartsAsSvg),
};

static_assert(std::size(kPictureKindTable) == kPictureKinds, "one row per kind");

constexpr const PictureKindInfo& KindInfo(PictureKind kind) {
    return kPictureKindTable[static_cast<size_t>(kind)];
}

constexpr bool EachRowInItsKindsPlace() {
    for (size_t index = 0; index < kPictureKinds; ++index) {
        if (static_cast<size_t>(kPictureKindTable[index].kind) != index) return false;
    }
    return true;
}
static_assert(EachRowInItsKindsPlace(), "a kind's row is found by its number");

constexpr bool SameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr bool HoldsRecord(const OfficeArtRecords& records, uint16_t type, uint16_t instance) {
    for (uint16_t ownType : records.types) {
        for (uint16_t ownInstance : records.instances) {
            if (ownType == type && ownInstance == instance) return true;
        }
    }
    return false;
}

constexpr bool ShareARecord(const OfficeArtRecords& a, const OfficeArtRecords& b) {
    for (uint16_t type : a.types) {
        for (uint16_t instance : a.instances) {
            if (type != 0 && instance != 0 && HoldsRecord(b, type, instance)) return true;
        }
    }
    return false;
}

constexpr bool ShareAWord(const char* a, const char* b) {
    return a != nullptr && b != nullptr && SameText(a, b);
}

// Names, RTF words and office records are looked up by value: two rows that
// shared one would leave the second row's kind unreachable.
constexpr bool NoTwoRowsShareANameWordOrRecord() {
    for (size_t a = 0; a < kPictureKinds; ++a) {
        for (size_t b = a + 1; b < kPictureKinds; ++b) {
            const PictureKindInfo& first = kPictureKindTable[a];
            const PictureKindInfo& second = kPictureKindTable[b];
            if (SameText(first.name, second.name) || ShareAWord(first.rtfWord, second.rtfWord) ||
                ShareARecord(first.officeArt, second.officeArt))
                return false;
        }
    }
    return true;
}
static_assert(NoTwoRowsShareANameWordOrRecord(), "a name, word or record tells one kind");
