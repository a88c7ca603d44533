// PictureChooser.cpp
#include "recovery/candidates/PictureChooser.h"

#include <set>

namespace {

// A broken picture, and any the plain bytes seem to hold, are not what a
// container's structure tells of the bytes they lie in.
bool Unexplained(const Candidate& candidate) {
    return candidate.Told() == Evidence::Broken || candidate.rank == kPlainBytesRank;
}

}  // namespace

bool PictureChooser::Takes(FoundPictures& found, const Candidate& candidate,
                           const PlaceSet& taken) {
    if (taken.Contains(candidate.place)) return false;
    // A record's own picture cut at a break lies in the bytes the record
    // explains: it is still the salvage of that picture.
    if (Unexplained(candidate) && !candidate.cutAtBreak && found.Explained(candidate.place))
        return false;
    if (candidate.rank == kPlainBytesRank &&
        !(found.DamagedDocument() && candidate.Told() == Evidence::Whole) &&
        !found.InOneStreamOrNone(candidate.place.offset,
                                 candidate.place.offset + (candidate.end - candidate.start)))
        return false;
    return true;
}

// The best told candidates take their places first: one pass over the
// candidates, in place order, for each degree of telling there is, so that
// the candidates are never held in memory at once.
bool PictureChooser::ForEachChosen(FoundPictures& found,
                                   const std::function<bool(const ChosenPicture&)>& take) {
    std::set<int, std::greater<int>> tellings;
    size_t count = 0;
    found.ForEachCandidate([&](const Candidate& candidate) {
        tellings.insert(candidate.Telling());
        ++count;
        return true;
    });
    std::vector<bool> chosen(count);
    PlaceSet taken;
    for (int telling : tellings) {
        size_t number = 0;
        found.ForEachCandidate([&](const Candidate& candidate) {
            if (candidate.Telling() == telling && Takes(found, candidate, taken)) {
                taken.AddView(found.View(candidate), candidate.start, candidate.end);
                chosen[number] = true;
            }
            ++number;
            return true;
        });
    }
    size_t number = 0;
    return found.ForEachCandidate([&](const Candidate& candidate) {
        if (!chosen[number++]) return true;
        return take(ChosenPicture{static_cast<PictureKind>(candidate.kind), found.View(candidate),
                                  candidate.start, candidate.end, found.Header(candidate),
                                  candidate.Told() == Evidence::Record,
                                  candidate.Told() == Evidence::Broken || candidate.cutAtBreak,
                                  found.From(candidate)});
    });
}

// A damaged package may show the same bytes through views of views (an
// entry whose data holds the next entry, and so on), each at a place of its
// own: the picture is kept once. The same picture twice in one view is two
// pictures of the document, unless a container's records tell it: office
// documents store a picture again where it is used again.
bool PictureChooser::Keeps(const ReadPicture& picture) {
    if (picture.length == picture.headerSize) return false;
    auto key = std::make_tuple(picture.kind, picture.length, picture.checksum);
    auto written = m_written.emplace(key, Written{picture.view, picture.fromRecord});
    if (written.second) return true;
    const Written& before = written.first->second;
    return before.view == picture.view && !before.fromRecord && !picture.fromRecord;
}

std::string PictureChooser::NextName(PictureKind kind) {
    int number = ++m_numbers[FileExtension(kind)];
    return std::to_string(number) + FileExtension(kind);
}
