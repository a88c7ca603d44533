// PictureFinder.cpp
#include "recovery/PictureFinder.h"

#include "recovery/JpegWalk.h"
#include "recovery/PngWalk.h"
#include "recovery/SignatureSearch.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kSignatureSize = 5;
// Start of image, then an APP0 marker whose length starts with a zero byte.
constexpr uint8_t kJfifSignature[kSignatureSize] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
constexpr uint8_t kPngSignature[kSignatureSize] = {0x89, 0x50, 0x4E, 0x47, 0x0D};
// Checking a structure reads ahead without disturbing the scan's own buffer.
constexpr size_t kCheckBlockSize = 64 * 1024;

enum class Start { None, Jfif, OtherJpeg, Png };

Start JpegStartAt(const uint8_t* p)
{
    if (p[1] != kJfifSignature[1] || p[2] != kJfifSignature[2])
        return Start::None;
    if (p[3] == kJfifSignature[3] && p[4] == kJfifSignature[4])
        return Start::Jfif;
    return IsJpegSegmentMarker(p[3]) ? Start::OtherJpeg : Start::None;
}

// The first position in [from, end) where a picture may start, or end. The
// five bytes from every position before end must be readable. The vector
// prefilter stops only where a signature's first two bytes are.
const uint8_t* FindStart(const uint8_t* from, const uint8_t* end, Start& start)
{
    // A pair starting before end lies within the readable bytes, end itself included.
    const uint8_t* limit = from < end ? end + 1 : end;
    for (const uint8_t* p = from; (p = FindSignaturePrefix(p, limit)) != nullptr; ++p) {
        if (*p == kJfifSignature[0]) {
            start = JpegStartAt(p);
            if (start != Start::None)
                return p;
        } else if (std::memcmp(p, kPngSignature, kSignatureSize) == 0) {
            start = Start::Png;
            return p;
        }
    }
    return end;
}

} // namespace

bool SkipPicture(DocumentReader& reader, PictureKind kind)
{
    return kind == PictureKind::Jpeg ? SkipJpegPicture(reader) : SkipPngPicture(reader);
}

PictureFinder::PictureFinder(ByteSource& source, size_t blockSize)
    : m_source(source), m_reader(source, blockSize)
{
}

void PictureFinder::Run(PictureSink& sink, uint64_t searchLimit)
{
    PictureKind kind;
    while (FindSignature(searchLimit, kind)) {
        if (!sink.TakePicture(m_reader, kind))
            return;
    }
}

// Moves the cursor to the next picture start. The last four bytes of each
// block are kept for the next one, so a signature across two reads is found.
bool PictureFinder::FindSignature(uint64_t searchLimit, PictureKind& kind)
{
    while (m_reader.Position() < searchLimit && m_reader.Ensure(kSignatureSize)) {
        const uint8_t* block = m_reader.Cursor();
        uint64_t searchable = std::min<uint64_t>(m_reader.Available() - (kSignatureSize - 1),
                                                 searchLimit - m_reader.Position());
        const uint8_t* end = block + searchable;
        Start start = Start::None;
        const uint8_t* found = FindStart(block, end, start);
        m_reader.Skip(found - block);
        if (found == end)
            continue;
        if (start == Start::OtherJpeg && !JpegHoldsAt(m_reader.Position())) {
            m_reader.Skip(1);
            continue;
        }
        kind = start == Start::Png ? PictureKind::Png : PictureKind::Jpeg;
        return true;
    }
    return false;
}

bool PictureFinder::JpegHoldsAt(uint64_t position)
{
    DocumentReader check(m_source, kCheckBlockSize, position);
    return JpegStructureHolds(check);
}
