// FoundPictures.h: the pictures of a document found through every view of
// it, before any is written.
#pragma once

#include "recovery/ByteSource.h"
#include "recovery/PictureFinder.h"

#include <map>
#include <memory>
#include <vector>

// How much a view's sight of a picture counts when two views show it: a view
// deeper in the containers joins more of what the file splits, and at one
// depth a view that joins a stream's records (a workbook's drawing) more than
// the stream. The document's plain bytes rank lowest.
enum class ViewJoins { Stream, Records };
constexpr int ViewRank(int depth, ViewJoins joins = ViewJoins::Stream) {
    return 2 * depth + (joins == ViewJoins::Records ? 1 : 0);
}
constexpr int kPlainBytesRank = ViewRank(0);

struct FoundPicture {
    FilePlace place;  // where its first byte lies in the document file
    PictureKind kind = PictureKind::Jpeg;
    std::shared_ptr<ByteSource> source;  // the view it was found in
    uint64_t start = 0;                  // its bytes in that view: [start, end)
    uint64_t end = 0;
    int rank = kPlainBytesRank;  // ViewRank of the view it was found in
};

// The same picture is usually found twice: in the plain bytes of the file and
// in the stream of its container, and a damaged container may show it through
// many views. Only the one seen through the deepest view is kept, since a
// container's view joins what the file splits: memory grows with the pictures,
// not with the views.
class FoundPictures {
public:
    void Add(FoundPicture picture);
    // File bytes a container decoded in full: whatever the plain bytes seem to
    // hold there is compressed data, not a picture.
    void Cover(uint64_t from, uint64_t to);
    // One picture per place, in the order of the places.
    std::vector<FoundPicture> InOrder() const;

private:
    bool Covered(uint64_t offset) const;

    std::map<FilePlace, FoundPicture> m_pictures;
    std::map<uint64_t, uint64_t> m_covered;  // from, to
    uint64_t m_longestCover = 0;
};

// Records every picture it is given, with its place and extent.
class RecordingSink : public PictureSink {
public:
    RecordingSink(FoundPictures& found, std::shared_ptr<ByteSource> source, int rank);
    bool TakePicture(DocumentReader& reader, PictureKind kind) override;

private:
    FoundPictures& m_found;
    std::shared_ptr<ByteSource> m_source;
    int m_rank;
};
