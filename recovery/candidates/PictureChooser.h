// PictureChooser.h: what a scan writes and under which names: of the
// candidates found, the picture of each place; of the pictures read, those
// that repeat one written already; and each file's number.
#pragma once

#include "recovery/candidates/FoundPictures.h"
#include "recovery/pictures/PictureKind.h"

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

// A picture chosen to be written: its bytes [start, end) in the view, after
// the header.
struct ChosenPicture {
    PictureKind kind;
    ByteSource& view;
    uint64_t start;
    uint64_t end;
    const std::vector<uint8_t>& header;
    bool fromRecord;   // told by a container's record
    bool broken;       // its structure broke: counted cut
    std::string from;  // where a user finds it
};

// A picture's bytes as read before its file is made.
struct ReadPicture {
    PictureKind kind;
    const ByteSource* view;
    bool fromRecord;
    uint64_t length;  // the header's included
    uint64_t headerSize;
    uint32_t checksum;  // CRC-32 of the bytes
};

// Of the candidates, the better told take their places first; a picture
// found inside a kept one is part of it, and a broken one inside bytes a
// container explains is none. Every decision is made before a file is
// made, so numbers only go up and nothing written is ever taken back.
class PictureChooser {
public:
    explicit PictureChooser(PictureKinds kinds = AllPictureKinds()) : m_kinds(kinds) {}

    // Whether pictures of the kind are written at all; others take no number.
    bool Wants(PictureKind kind) const { return m_kinds.test(static_cast<size_t>(kind)); }
    // The pictures of the document, one per place, in the order of their
    // places, until take returns false; false when it did.
    bool ForEachChosen(FoundPictures& found, const std::function<bool(const ChosenPicture&)>& take);
    // Whether a container's picture, read, is one to write: not when it holds
    // nothing but its header, nor when another view showed it already.
    // Remembers it for the pictures after it.
    bool Keeps(const ReadPicture& picture);
    // The name of the next picture file of the kind ("3.jpg"): numbered per
    // file-name extension, so kinds that share one share its numbers.
    std::string NextName(PictureKind kind);

private:
    struct Written {
        const ByteSource* view;
        bool fromRecord;
    };

    // Whether the candidate is the picture of its place, given the places
    // that better told ones took.
    bool Takes(FoundPictures& found, const Candidate& candidate, const PlaceSet& taken);

    PictureKinds m_kinds;
    // The last number given, per file-name extension.
    std::map<std::string, int> m_numbers;
    // The pictures kept, by kind, length and checksum, with the view each came from.
    std::map<std::tuple<PictureKind, uint64_t, uint32_t>, Written> m_written;
};
