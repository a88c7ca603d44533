// FoundPictures.cpp
#include "recovery/FoundPictures.h"

#include <algorithm>

void FoundPictures::Cover(uint64_t from, uint64_t to) {
    if (from >= to) return;
    m_covered[from] = std::max(to, m_covered[from]);
    m_longestCover = std::max(m_longestCover, to - from);
}

// Covered ranges never overlap in a sound package; in another, a range that
// starts before the one found may still reach the offset, so all are looked at
// back to the first that does.
bool FoundPictures::Covered(uint64_t offset) const {
    for (auto range = m_covered.upper_bound(offset); range != m_covered.begin();) {
        --range;
        if (offset < range->second) return true;
        if (range->first + m_longestCover <= offset) return false;
    }
    return false;
}

void FoundPictures::Add(FoundPicture picture) {
    auto known = m_pictures.find(picture.place);
    if (known == m_pictures.end())
        m_pictures.emplace(picture.place, std::move(picture));
    else if (picture.rank > known->second.rank)
        known->second = std::move(picture);
}

std::vector<FoundPicture> FoundPictures::InOrder() const {
    std::vector<FoundPicture> pictures;
    for (const auto& [place, picture] : m_pictures) {
        if (picture.rank == kPlainBytesRank && Covered(place.offset)) continue;
        pictures.push_back(picture);
    }
    return pictures;
}

RecordingSink::RecordingSink(FoundPictures& found, std::shared_ptr<ByteSource> source, int rank)
    : m_found(found), m_source(std::move(source)), m_rank(rank) {}

bool RecordingSink::TakePicture(DocumentReader& reader, PictureKind kind) {
    FoundPicture picture;
    picture.kind = kind;
    picture.source = m_source;
    picture.start = reader.Position();
    picture.place = m_source->Place(picture.start);
    picture.rank = m_rank;
    bool ended = SkipPicture(reader, kind);
    picture.end = reader.Position();
    m_found.Add(std::move(picture));
    // A picture without an end holds the rest of the data: nothing is left to search.
    return ended;
}
