// FoundPictures.h: the pictures of a document found through every view of
// it, before any is written.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/search/PictureFinder.h"
#include "recovery/candidates/CandidateStore.h"
#include "recovery/candidates/PlaceSet.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// A view as a user finds it: the containers, streams and entries that lead
// to it, joined with '/' as they nest ("word/embeddings/oleObject1.bin/Workbook"),
// empty for the document's plain bytes; and what it is, for a record in it.
struct ViewName {
    std::string path;
    std::string noun = "the stream";
    // For a view that joins pieces of the one its path names (a workbook's
    // drawing records), the offset there of a byte of the view.
    std::function<uint64_t(uint64_t)> offsetInNamed;
};

// "0x1A2B": an offset as the paths below give it.
std::string HexOffset(uint64_t offset);
// Where a picture found at offset in the view lies: the view's own path
// when it starts there, else the offset in it ("Data/offset 0x1A2B"); in
// the plain bytes the file offset ("offset 0x1A2B").
std::string PictureOrigin(const ViewName& view, uint64_t offset);
// A picture a container's record holds: "Pictures/picture record at 0x1A2B in the stream".
std::string RecordOrigin(const ViewName& view, uint64_t recordOffset);
// The view found inside another under a name: "word/embeddings/oleObject1.bin/Workbook".
ViewName Inside(const ViewName& outer, const std::string& name,
                const std::string& noun = "the stream");

// How much a view's sight of a picture counts when two views show it: a view
// deeper in the containers joins more of what the file splits, and at one
// depth a view that joins a stream's records (a workbook's drawing) more than
// the stream. The document's plain bytes rank lowest.
enum class ViewJoins { Stream, Records };
constexpr int ViewRank(int depth, ViewJoins joins = ViewJoins::Stream) {
    return 2 * depth + (joins == ViewJoins::Records ? 1 : 0);
}
constexpr int kPlainBytesRank = ViewRank(0);

// Where a user finds a picture, told only when it is written: at an offset
// of a view named by FoundPictures::KeepName, the picture's own (as
// PictureOrigin tells it) or that of the record holding it (RecordOrigin).
struct Origin {
    uint32_t name = 0;
    uint64_t offset = 0;
    bool record = false;
};

// A picture as a container or a search finds it.
struct FoundPicture {
    FilePlace place;  // where its first byte lies in the document file
    PictureKind kind = PictureKind::Jpeg;
    std::shared_ptr<ByteSource> source;  // the view it was found in
    uint64_t start = 0;                  // its bytes in that view: [start, end)
    uint64_t end = 0;
    int rank = kPlainBytesRank;  // ViewRank of the view it was found in
    Evidence evidence = Evidence::Whole;
    // Its own structure walked whole: a record's picture read across a
    // break of its stream's chain is kept whole only then.
    bool walkedWhole = false;
    // What is left of one read across a break, or of a record's picture
    // whose data broke off inside it.
    bool cutAtBreak = false;
    // Written in front of the bytes, where the document keeps a picture
    // without the header its files start with.
    std::vector<uint8_t> header;
    Origin origin;
};

// The same picture is usually found several times: in the plain bytes of the
// file, in the stream of its container and in the container's record of it,
// and a damaged container may show it through many views. One is kept per
// place, the best told (BetterTold). What the containers explain, and where
// the document's streams lie, is kept for the choice of what is written
// (PictureChooser).
class FoundPictures {
public:
    // Keeps a view's name for the pictures found in it, which name it by the
    // number returned.
    uint32_t KeepName(const ViewName& name);
    void Add(FoundPicture picture);
    // The picture found whole by its walk at the place, of the kind, now told
    // by a container's record too; false when there is none.
    bool TellByRecord(const FilePlace& place, PictureKind kind);
    // Bytes a container's structure explains (a picture record with its
    // slack, an entry read to its end, compressed data): a picture found
    // there whose structure breaks is a fragment, and the plain bytes there
    // hold no picture of their own.
    void Explain(ByteSource& view, uint64_t from, uint64_t to);
    // A stream of the document's own compound file, at file offsets: a
    // picture of the plain bytes is one only where its bytes are one
    // stream's in their order, or no stream's.
    void AddStream(std::shared_ptr<ByteSource> stream, uint64_t size);
    // Where chains of the document's compound files were read on past a
    // broken link: a view's bytes across one are no sure picture.
    const std::shared_ptr<BreakPlaces>& Breaks() const { return m_breaks; }
    // The document's own container is damaged: a picture that walks whole
    // in the plain bytes is kept even where its bytes are no stream's in order.
    void NoteDamagedDocument() { m_damagedDocument = true; }

    // The best told candidate of every place, in place order, until each
    // returns false; false when one did.
    bool ForEachCandidate(const std::function<bool(const Candidate&)>& each) {
        return m_candidates.ForEachHolder(each);
    }
    ByteSource& View(const Candidate& candidate) { return *m_views[candidate.view]; }
    const std::vector<uint8_t>& Header(const Candidate& candidate) const;
    // Where a user finds the candidate's picture.
    std::string From(const Candidate& candidate) const;
    bool Explained(const FilePlace& place) const { return m_explained.Contains(place); }
    bool InOneStreamOrNone(uint64_t from, uint64_t to);
    bool DamagedDocument() const { return m_damagedDocument; }

private:
    struct StreamStretch {
        uint64_t to;
        size_t stream;
        uint64_t streamOffset;
    };

    uint32_t ViewNumber(const std::shared_ptr<ByteSource>& view);
    // Where the view's bytes from from on stop being what its container
    // tells: at a break of a chain, or where the view's data ends.
    uint64_t SoundEnd(ByteSource& view, uint64_t from, uint64_t to) const;
    // A picture read across a break is cut there, unless it walked whole.
    void CutAtBreak(FoundPicture& picture) const;

    CandidateStore m_candidates;
    // What many candidates share, by number: their views (kept open until
    // their pictures are written), the views' names, and the rare file headers.
    std::vector<std::shared_ptr<ByteSource>> m_views;
    std::unordered_map<const ByteSource*, uint32_t> m_viewNumbers;
    std::vector<ViewName> m_names;
    std::vector<std::vector<uint8_t>> m_headers;
    PlaceSet m_explained;
    std::shared_ptr<BreakPlaces> m_breaks = std::make_shared<BreakPlaces>();
    bool m_damagedDocument = false;
    // Where the streams lie is worked out once a picture of the plain bytes
    // is left to check, which is seldom: most are seen through a stream too.
    void PlaceStreams();

    std::vector<std::pair<std::shared_ptr<ByteSource>, uint64_t>> m_streams;  // with their sizes
    std::map<uint64_t, StreamStretch> m_streamStretches;                      // by file offset
};

// The name of a view pictures may be found in, kept by FoundPictures only
// once one is: a package may hold many views without any.
class LazyViewName {
public:
    LazyViewName(FoundPictures& found, const ViewName& name) : m_found(found), m_name(name) {}
    // Its number in FoundPictures, for the origins of the pictures found in it.
    uint32_t Number();

private:
    FoundPictures& m_found;
    ViewName m_name;
    std::optional<uint32_t> m_number;
};

// Bytes [start, end) of a view.
struct ViewSpan {
    uint64_t start;
    uint64_t end;
};

// Records every picture it is given, with its place and extent; and, when
// given wholePictures, the extents of those whose structure walked whole.
class RecordingSink : public PictureSink {
public:
    RecordingSink(FoundPictures& found, std::shared_ptr<ByteSource> source, int rank,
                  const ViewName& name = ViewName(),
                  std::vector<ViewSpan>* wholePictures = nullptr);
    bool TakePicture(DocumentReader& reader, PictureKind kind) override;

private:
    FoundPictures& m_found;
    std::shared_ptr<ByteSource> m_source;
    int m_rank;
    LazyViewName m_name;
    std::vector<ViewSpan>* m_wholePictures;
};
