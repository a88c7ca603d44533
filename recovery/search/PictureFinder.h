// PictureFinder.h: the pictures of a byte source, found by their start signatures.
#pragma once

#include "recovery/pictures/BrokenWalks.h"
#include "recovery/bytes/ByteSource.h"
#include "recovery/bytes/DocumentReader.h"
#include "recovery/pictures/PictureKind.h"
#include "recovery/pictures/WalkAt.h"

#include <array>
#include <cstddef>
#include <cstdint>

// What a picture's walk found: its structure whole, or broken (the picture
// is cut short or damaged), or a JPEG's markers that end without a frame and
// a scan, which hold no picture at all.
enum class Walked { Whole, Broken, NoPicture };

// Moves the reader from the picture's first byte past its end, by the walk of
// its kind; false when the data ends first. A picture whose structure breaks
// ends at its kind's end marker or, when sooner, where the next whole picture
// starts.
Walked SkipPicture(DocumentReader& reader, PictureKind kind, bool& ended);

// What a signature found by the search may start.
struct SignatureCandidate;
struct PictureKindInfo;

class PictureSink {
public:
    virtual ~PictureSink() = default;
    // Called with the reader's cursor on a picture's first byte; moves the
    // cursor past the picture's end. False stops the search.
    virtual bool TakePicture(DocumentReader& reader, PictureKind kind) = 0;
};

// Walks a source from its start and hands every picture to a sink, in the
// order they start. A JPEG that opens with JFIF's APP0 segment is taken on its
// signature alone; one that opens with any other segment is taken only when
// its whole structure holds, since three bytes alone match too much. So are
// GIF, BMP and EMF pictures: one cut short or damaged is not taken.
class PictureFinder {
public:
    PictureFinder(ByteSource& source, size_t blockSize);
    // No signature at or beyond searchLimit is looked for; a picture that
    // starts before it is still followed to its end.
    void Run(PictureSink& sink, uint64_t searchLimit = ByteSource::kUnknownSize);
    bool ReadFailed() const { return m_reader.ReadFailed(); }

private:
    bool FindSignature(uint64_t searchLimit, PictureKind& kind);
    // Whether a picture to take starts at the candidate; the cursor is then on its first byte.
    bool IsPicture(const SignatureCandidate& candidate, PictureKind& kind);
    bool StartsBehind(const PictureKindInfo& info);

    DocumentReader m_reader;
    // Where the search for the next picture began: the end of the last one.
    uint64_t m_searchFrom = 0;
    // The marks of each kind's walks that broke.
    std::array<BrokenWalks, kPictureKinds> m_broken;
};
