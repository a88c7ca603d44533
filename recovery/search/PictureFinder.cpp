// PictureFinder.cpp
#include "recovery/search/PictureFinder.h"

#include "recovery/pictures/BmpWalk.h"
#include "recovery/pictures/BrokenWalks.h"
#include "recovery/pictures/EmfWalk.h"
#include "recovery/pictures/GifWalk.h"
#include "recovery/pictures/JpegWalk.h"
#include "recovery/pictures/PngWalk.h"
#include "recovery/search/SignatureSearch.h"

#include <algorithm>
#include <cstring>

enum class CandidateStart : uint8_t { None, Jfif, OtherJpeg, Png, Gif, Bmp, EmfSignature };

namespace {

using Start = CandidateStart;

constexpr size_t kSignatureSize = 5;
// Start of image, then an APP0 marker whose length starts with a zero byte.
constexpr uint8_t kJfifSignature[kSignatureSize] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
constexpr uint8_t kPngSignature[kSignatureSize] = {0x89, 0x50, 0x4E, 0x47, 0x0D};
constexpr uint8_t kGifSignature[] = {'G', 'I', 'F', '8'};
// The search stops at "EM" of the signature " EMF".
constexpr size_t kEmfPairOffset = kEmfSignatureOffset + 1;
// Checking a structure reads ahead without disturbing the scan's own buffer.
constexpr size_t kCheckBlockSize = 64 * 1024;

Start JpegStartAt(const uint8_t* p) {
    if (p[1] != kJfifSignature[1] || p[2] != kJfifSignature[2]) return Start::None;
    if (p[3] == kJfifSignature[3] && p[4] == kJfifSignature[4]) return Start::Jfif;
    return IsJpegSegmentMarker(p[3]) ? Start::OtherJpeg : Start::None;
}

Start GifStartAt(const uint8_t* p) {
    bool version = p[4] == '7' || p[4] == '9';
    return std::memcmp(p, kGifSignature, sizeof kGifSignature) == 0 && version ? Start::Gif
                                                                                : Start::None;
}

// The space before the pair is checked when the buffer still holds it; at a
// block's start the finder reads it with the header.
Start EmfSignatureAt(const uint8_t* p, const uint8_t* held) {
    bool spaceBefore = p == held || p[-1] == ' ';
    return spaceBefore && p[2] == 'F' ? Start::EmfSignature : Start::None;
}

// What may start at a position where the prefilter found a pair. A BMP file
// header shows nothing more in five bytes: the finder reads its headers.
Start StartAt(const uint8_t* p, const uint8_t* held) {
    switch (*p) {
    case kJfifSignature[0]: return JpegStartAt(p);
    case kPngSignature[0]:
        return std::memcmp(p, kPngSignature, kSignatureSize) == 0 ? Start::Png : Start::None;
    case 'G': return GifStartAt(p);
    case 'B': return Start::Bmp;
    case 'E': return EmfSignatureAt(p, held);
    default: return Start::None;
    }
}

// The first position in [from, end) where a picture may start, or end. The
// five bytes from every position before end must be readable, and those from
// held on. The vector prefilter stops only where a signature's first two
// bytes are.
const uint8_t* FindStart(const uint8_t* from, const uint8_t* end, const uint8_t* held,
                         Start& start) {
    // A pair starting before end lies within the readable bytes, end itself included.
    const uint8_t* limit = from < end ? end + 1 : end;
    for (const uint8_t* p = from; (p = FindSignaturePrefix(p, limit)) != nullptr; ++p) {
        start = StartAt(p, held);
        if (start != Start::None) return p;
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
        const uint8_t* found = FindStart(block, end, block - reader.HeldBehind(), start);
        reader.Skip(found - block);
        if (found != end) return true;
    }
    return false;
}

bool HoldsAt(const DocumentReader& reader, PictureWalk walk) {
    DocumentReader check(reader, kCheckBlockSize);
    return walk(check);
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

bool GifHoldsAt(const DocumentReader& reader, BrokenWalks& broken) {
    broken.Forget(reader.Position());
    DocumentReader check(reader, kCheckBlockSize);
    return WalkGifPicture(check, &broken);
}

// Whether a whole EMF starts at start: its header is read first, a short
// read that spares the check's block for the rare signature whose header holds.
bool EmfHoldsAt(ByteSource& source, uint64_t start, BrokenWalks& broken) {
    uint8_t header[kEmfHeaderSize];
    if (!ReadExactly(source, start, header, sizeof header) || !EmfHeaderHolds(header))
        return false;
    broken.Forget(start);
    DocumentReader check(source, kCheckBlockSize, start);
    return WalkEmfPicture(check, &broken);
}

// The first position in [from, to) where a JPEG or a PNG starts whose own
// structure walks to its end, or to.
uint64_t NextWholePicture(ByteSource& source, uint64_t from, uint64_t to) {
    DocumentReader scan(source, kCheckBlockSize, from);
    BrokenWalks brokenJpegs;
    BrokenWalks brokenPngs;
    Start start = Start::None;
    while (FindCandidate(scan, to, start)) {
        bool jpeg = start == Start::Jfif || start == Start::OtherJpeg;
        if (start == Start::Png ? PngHoldsAt(scan, brokenPngs)
                                : jpeg && JpegHoldsAt(scan, brokenJpegs))
            return scan.Position();
        scan.Skip(1);
    }
    return to;
}

// A picture whose structure breaks is cut short or damaged, and its fallback
// end marker may lie behind whole pictures that follow it. It ends where the
// first of them starts, so that none is lost inside it.
Walked SkipSalvagedPicture(DocumentReader& reader, PictureKind kind, bool& ended) {
    uint64_t start = reader.Position();
    uint64_t trusted = start;
    bool image = true;
    ended = kind == PictureKind::Jpeg ? WalkJpegPicture(reader, trusted, &image)
                                      : WalkPngPicture(reader, trusted);
    if (ended) return image ? Walked::Whole : Walked::NoPicture;
    DocumentReader ahead(reader.Source(), kCheckBlockSize, reader.Position());
    bool markerFound = kind == PictureKind::Jpeg ? SkipToJpegEnd(ahead) : SkipToPngEnd(ahead);
    uint64_t fallbackEnd = ahead.Position();
    uint64_t end = NextWholePicture(reader.Source(), std::max(trusted, start + 1), fallbackEnd);
    reader.MoveTo(end);
    ended = markerFound || end < fallbackEnd;
    return Walked::Broken;
}

}  // namespace

// GIF, BMP and EMF pictures were walked whole before they were taken.
Walked SkipPicture(DocumentReader& reader, PictureKind kind, bool& ended) {
    switch (kind) {
    case PictureKind::Gif: ended = WalkGifPicture(reader); return Walked::Whole;
    case PictureKind::Bmp: ended = WalkBmpPicture(reader); return Walked::Whole;
    case PictureKind::Emf: ended = WalkEmfPicture(reader); return Walked::Whole;
    default: return SkipSalvagedPicture(reader, kind, ended);
    }
}

PictureFinder::PictureFinder(ByteSource& source, size_t blockSize)
    : m_reader(source, blockSize) {}

void PictureFinder::Run(PictureSink& sink, uint64_t searchLimit) {
    PictureKind kind;
    for (;;) {
        m_searchFrom = m_reader.Position();
        if (!FindSignature(searchLimit, kind) || !sink.TakePicture(m_reader, kind)) return;
    }
}

bool PictureFinder::FindSignature(uint64_t searchLimit, PictureKind& kind) {
    Start start = Start::None;
    while (FindCandidate(m_reader, searchLimit, start)) {
        if (IsPicture(start, kind)) return true;
        m_reader.Skip(1);
    }
    return false;
}

// A JFIF JPEG and a PNG are taken on their signatures alone; the other kinds
// only when their structure holds.
bool PictureFinder::IsPicture(Start start, PictureKind& kind) {
    switch (start) {
    case Start::Jfif: kind = PictureKind::Jpeg; return true;
    case Start::OtherJpeg: kind = PictureKind::Jpeg; return JpegHoldsAt(m_reader, m_brokenJpegs);
    case Start::Png: kind = PictureKind::Png; return true;
    case Start::Gif: kind = PictureKind::Gif; return GifHoldsAt(m_reader, m_brokenGifs);
    case Start::Bmp: kind = PictureKind::Bmp; return HoldsAt(m_reader, WalkBmpPicture);
    case Start::EmfSignature: kind = PictureKind::Emf; return EmfStartsBehind();
    case Start::None: break;
    }
    return false;
}

// An EMF's signature lies behind its start: a picture whose start the search
// already passed, inside the last picture taken or before the document,
// is no picture of its own.
bool PictureFinder::EmfStartsBehind() {
    uint64_t signature = m_reader.Position();
    if (signature < m_searchFrom + kEmfPairOffset) return false;
    uint64_t start = signature - kEmfPairOffset;
    if (!EmfHoldsAt(m_reader.Source(), start, m_brokenEmfs)) return false;
    m_reader.MoveTo(start);
    return true;
}
