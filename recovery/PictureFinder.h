// PictureFinder.h: the pictures of a byte source, found by their start signatures.
#pragma once

#include "recovery/BrokenWalks.h"
#include "recovery/ByteSource.h"
#include "recovery/DocumentReader.h"
#include "recovery/PictureKind.h"

#include <cstddef>
#include <cstdint>


// Moves the reader from the picture's first byte past its end, by the walk of
// its kind; false when the data ends first. A picture whose structure breaks
// ends at its kind's end marker or, when sooner, where the next whole picture
// starts.
// whole, when given, tells whether the walk found the structure whole.
bool SkipPicture(DocumentReader& reader, PictureKind kind, bool* whole = nullptr);

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
// its whole structure holds, since three bytes alone match too much.
class PictureFinder {
public:
    PictureFinder(ByteSource& source, size_t blockSize);
    // No signature at or beyond searchLimit is looked for; a picture that
    // starts before it is still followed to its end.
    void Run(PictureSink& sink, uint64_t searchLimit = ByteSource::kUnknownSize);
    bool ReadFailed() const { return m_reader.ReadFailed(); }

private:
    bool FindSignature(uint64_t searchLimit, PictureKind& kind);

    DocumentReader m_reader;
    BrokenWalks m_brokenJpegs;
};
