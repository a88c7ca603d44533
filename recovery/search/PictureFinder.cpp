// PictureFinder.cpp
#include "recovery/search/PictureFinder.h"

#include "recovery/pictures/BrokenWalks.h"
#include "recovery/pictures/PictureKindTable.h"
#include "recovery/search/SignatureSearch.h"

#include <algorithm>
#include <cstring>

struct SignatureCandidate {
    const PictureKindInfo* info = nullptr;
    SignatureStart start = SignatureStart::None;
};

namespace {

constexpr size_t kSignatureSize = 5;
// Checking a structure reads ahead without disturbing the scan's own buffer.
constexpr size_t kCheckBlockSize = 64 * 1024;

// The kind whose search pair starts at p, where the prefilter found one.
const PictureKindInfo* SearchedKindAt(const uint8_t* p) {
    for (const PictureKindInfo& info : kPictureKindTable) {
        if (info.search.Searched() && p[0] == info.search.first && p[1] == info.search.second)
            return &info;
    }
    return nullptr;
}

// The first position in [from, end) where a picture may start, or end. The
// five bytes from every position before end must be readable, and those from
// held on. The vector prefilter stops only where a signature's first two
// bytes are.
const uint8_t* FindStart(const uint8_t* from, const uint8_t* end, const uint8_t* held,
                         SignatureCandidate& candidate) {
    // A pair starting before end lies within the readable bytes, end itself included.
    const uint8_t* limit = from < end ? end + 1 : end;
    for (const uint8_t* p = from; (p = FindSignaturePrefix(p, limit)) != nullptr; ++p) {
        candidate.info = SearchedKindAt(p);
        if (candidate.info == nullptr) continue;
        candidate.start = candidate.info->search.startAt(p, held);
        if (candidate.start != SignatureStart::None) return p;
    }
    return end;
}

// Moves the cursor to the next position before limit where a picture may
// start. The last four bytes of each block are kept for the next one, so a
// signature across two reads is found.
bool FindCandidate(DocumentReader& reader, uint64_t limit, SignatureCandidate& candidate) {
    while (reader.Position() < limit && reader.Ensure(kSignatureSize)) {
        const uint8_t* block = reader.Cursor();
        uint64_t searchable = std::min<uint64_t>(reader.Available() - (kSignatureSize - 1),
                                                 limit - reader.Position());
        const uint8_t* end = block + searchable;
        const uint8_t* found = FindStart(block, end, block - reader.HeldBehind(), candidate);
        reader.Skip(found - block);
        if (found != end) return true;
    }
    return false;
}

// Whether a picture of its kind starts at the reader's cursor, its structure
// walked to the end. A check that breaks within the bytes the reader holds
// reads nothing.
bool HoldsAt(const DocumentReader& reader, const PictureKindInfo& info, BrokenWalks& broken) {
    broken.Forget(reader.Position());
    DocumentReader check(reader, kCheckBlockSize);
    return info.holds(check, broken);
}

// The first position in [from, to) where a picture of a kind the search may
// take on its signature alone starts whose own structure walks to its end,
// or to.
uint64_t NextWholePicture(ByteSource& source, uint64_t from, uint64_t to) {
    DocumentReader scan(source, kCheckBlockSize, from);
    std::array<BrokenWalks, kPictureKinds> broken;
    SignatureCandidate candidate;
    while (FindCandidate(scan, to, candidate)) {
        const PictureKindInfo& info = *candidate.info;
        if (info.salvageWalk != nullptr &&
            HoldsAt(scan, info, broken[static_cast<size_t>(info.kind)]))
            return scan.Position();
        scan.Skip(1);
    }
    return to;
}

// A picture whose structure breaks is cut short or damaged, and its fallback
// end marker may lie behind whole pictures that follow it. It ends where the
// first of them starts, so that none is lost inside it.
Walked SkipSalvagedPicture(DocumentReader& reader, const PictureKindInfo& info, bool& ended) {
    uint64_t start = reader.Position();
    uint64_t trusted = start;
    bool image = true;
    ended = info.salvageWalk(reader, trusted, &image);
    if (ended) return image ? Walked::Whole : Walked::NoPicture;
    DocumentReader ahead(reader.Source(), kCheckBlockSize, reader.Position());
    bool markerFound = info.skipToEndMarker(ahead);
    uint64_t fallbackEnd = ahead.Position();
    uint64_t end = NextWholePicture(reader.Source(), std::max(trusted, start + 1), fallbackEnd);
    reader.MoveTo(end);
    ended = markerFound || end < fallbackEnd;
    return Walked::Broken;
}

}  // namespace

// A picture the search takes only when whole was walked whole before it was taken.
Walked SkipPicture(DocumentReader& reader, PictureKind kind, bool& ended) {
    const PictureKindInfo& info = KindInfo(kind);
    if (info.salvageWalk != nullptr) return SkipSalvagedPicture(reader, info, ended);
    ended = info.walk(reader);
    return Walked::Whole;
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
    SignatureCandidate candidate;
    while (FindCandidate(m_reader, searchLimit, candidate)) {
        if (IsPicture(candidate, kind)) return true;
        m_reader.Skip(1);
    }
    return false;
}

// A start taken on its signature alone is a picture; any other only when its
// structure holds.
bool PictureFinder::IsPicture(const SignatureCandidate& candidate, PictureKind& kind) {
    const PictureKindInfo& info = *candidate.info;
    kind = info.kind;
    if (candidate.start == SignatureStart::Taken) return true;
    if (info.search.offset > 0) return StartsBehind(info);
    return HoldsAt(m_reader, info, m_broken[static_cast<size_t>(kind)]);
}

// A kind whose search pair lies inside its header starts behind the pair: a
// picture whose start the search already passed, inside the last picture
// taken or before the document, is no picture of its own. The check reads
// the bytes the reader still holds from the start when it can.
bool PictureFinder::StartsBehind(const PictureKindInfo& info) {
    uint64_t pair = m_reader.Position();
    if (pair < m_searchFrom + info.search.offset) return false;
    uint64_t start = pair - info.search.offset;
    BrokenWalks& broken = m_broken[static_cast<size_t>(info.kind)];
    broken.Forget(start);
    bool holds;
    if (info.search.offset <= m_reader.HeldBehind()) {
        m_reader.MoveTo(start);
        DocumentReader check(m_reader, kCheckBlockSize);
        m_reader.MoveTo(pair);
        holds = info.holds(check, broken);
    } else {
        DocumentReader check(m_reader.Source(), kCheckBlockSize, start);
        holds = info.holds(check, broken);
    }
    if (holds) m_reader.MoveTo(start);
    return holds;
}
