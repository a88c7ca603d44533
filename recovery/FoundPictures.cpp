// FoundPictures.cpp
#include "recovery/FoundPictures.h"

#include <algorithm>

void FoundPictures::Cover(uint64_t from, uint64_t to) {
    if (from < to) m_covered.emplace_back(from, to);
}

bool FoundPictures::Covered(uint64_t offset) const {
    return std::any_of(m_covered.begin(), m_covered.end(), [offset](const auto& range) {
        return offset >= range.first && offset < range.second;
    });
}

std::vector<FoundPicture> FoundPictures::InOrder() const {
    std::vector<FoundPicture> pictures;
    for (const FoundPicture& picture : m_pictures) {
        if (picture.rank == 0 && Covered(picture.place.offset)) continue;
        pictures.push_back(picture);
    }
    std::stable_sort(pictures.begin(), pictures.end(),
                     [](const FoundPicture& a, const FoundPicture& b) {
                         if (!(a.place == b.place)) return a.place < b.place;
                         return a.rank > b.rank;
                     });
    auto same = [](const FoundPicture& a, const FoundPicture& b) { return a.place == b.place; };
    pictures.erase(std::unique(pictures.begin(), pictures.end(), same), pictures.end());
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
