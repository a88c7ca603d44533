// PictureFinder.cpp
#include "recovery/PictureFinder.h"

#include "recovery/BrokenWalks.h"
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

Start JpegStartAt(const uint8_t* p) {
    if (p[1] != kJfifSignature[1] || p[2] != kJfifSignature[2]) return Start::None;
    if (p[3] == kJfifSignature[3] && p[4] == kJfifSignature[4]) return Start::Jfif;
    return IsJpegSegmentMarker(p[3]) ? Start::OtherJpeg : Start::None;
}

// The first position in [from, end) where a picture may start, or end. The
// five bytes from every position before end must be readable. The vector
// prefilter stops only where a signature's first two bytes are.
const uint8_t* FindStart(const uint8_t* from, const uint8_t* end, Start& start) {
    // A pair starting before end lies within the readable bytes, end itself included.
    const uint8_t* limit = from < end ? end + 1 : end;
    for (const uint8_t* p = from; (p = FindSignaturePrefix(p, limit)) != nullptr; ++p) {
        if (*p == kJfifSignature[0]) {
            start = JpegStartAt(p);
            if (start != Start::None) return p;
        } else if (std::memcmp(p, kPngSignature, kSignatureSize) == 0) {
            start = Start::Png;
            return p;
        }
    }
    return end;
}

// Moves the cursor to the next position before limit where a picture may
// start. The last four bytes of each block are kept for the next one, so a
// signature across two reads is found.
bool FindCandidate(DocumentReader& reader, uint64_t limit, Start& start) {
    while (reader.Position() < limit && reader.Ensure(kSignatureSize)) {
        const uint8_t* block = reader.Cursor();
        uint64_t searchable = std::min<uint64_t>(reader.Available() - (kSignatureSize - 1),
                                                 limit - reader.Position());
        const uint8_t* end = block + searchable;
        const uint8_t* found = FindStart(block, end, start);
        reader.Skip(found - block);
        if (found != end) return true;
    }
    return false;
}

// Whether a picture of its kind starts at the reader's cursor, its structure
// walked to the end. A check that breaks within the bytes the reader holds
// reads nothing.
bool JpegHoldsAt(const DocumentReader& reader, BrokenWalks& broken) {
    broken.Forget(reader.Position());
    DocumentReader check(reader, kCheckBlockSize);
    return JpegStructureHolds(check, broken);
}

bool PngHoldsAt(const DocumentReader& reader, BrokenWalks& broken) {
    broken.Forget(reader.Position());
    DocumentReader check(reader, kCheckBlockSize);
    uint64_t trusted;
    return WalkPngPicture(check, trusted, &broken);
}

// The first position in [from, to) where a picture starts whose own structure
// walks to its end, or to.
uint64_t NextWholePicture(ByteSource& source, uint64_t from, uint64_t to) {
    DocumentReader scan(source, kCheckBlockSize, from);
    BrokenWalks brokenJpegs;
    BrokenWalks brokenPngs;
    Start start = Start::None;
    while (FindCandidate(scan, to, start)) {
        if (start == Start::Png ? PngHoldsAt(scan, brokenPngs) : JpegHoldsAt(scan, brokenJpegs))
            return scan.Position();
        scan.Skip(1);
    }
    return to;
}

}  // namespace

// A picture whose structure breaks is cut short or damaged, and its fallback
// end marker may lie behind whole pictures that follow it. It ends where the
// first of them starts, so that none is lost inside it.
bool SkipPicture(DocumentReader& reader, PictureKind kind, bool* whole) {
    uint64_t start = reader.Position();
    uint64_t trusted = start;
    bool walked = kind == PictureKind::Jpeg ? WalkJpegPicture(reader, trusted)
                                            : WalkPngPicture(reader, trusted);
    if (whole != nullptr) *whole = walked;
    if (walked) return true;
    DocumentReader ahead(reader.Source(), kCheckBlockSize, reader.Position());
    bool ended = kind == PictureKind::Jpeg ? SkipToJpegEnd(ahead) : SkipToPngEnd(ahead);
    uint64_t fallbackEnd = ahead.Position();
    uint64_t end = NextWholePicture(reader.Source(), std::max(trusted, start + 1), fallbackEnd);
    reader.MoveTo(end);
    return ended || end < fallbackEnd;
}

PictureFinder::PictureFinder(ByteSource& source, size_t blockSize)
    : m_reader(source, blockSize) {}

void PictureFinder::Run(PictureSink& sink, uint64_t searchLimit) {
    PictureKind kind;
    while (FindSignature(searchLimit, kind)) {
        if (!sink.TakePicture(m_reader, kind)) return;
    }
}

bool PictureFinder::FindSignature(uint64_t searchLimit, PictureKind& kind) {
    Start start = Start::None;
    while (FindCandidate(m_reader, searchLimit, start)) {
        if (start == Start::OtherJpeg && !JpegHoldsAt(m_reader, m_brokenJpegs)) {
            m_reader.Skip(1);
            continue;
        }
        kind = start == Start::Png ? PictureKind::Png : PictureKind::Jpeg;
        return true;
    }
    return false;
}
