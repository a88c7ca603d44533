// FoundPictures.cpp
#include "recovery/candidates/FoundPictures.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

std::string HexOffset(uint64_t offset) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(offset));
    return text;
}

namespace {

uint64_t NamedOffset(const ViewName& view, uint64_t offset) {
    return view.offsetInNamed ? view.offsetInNamed(offset) : offset;
}

}  // namespace

std::string PictureOrigin(const ViewName& view, uint64_t offset) {
    if (view.path.empty()) return "offset " + HexOffset(offset);
    const uint64_t named = NamedOffset(view, offset);
    return named == 0 ? view.path : view.path + "/offset " + HexOffset(named);
}

std::string RecordOrigin(const ViewName& view, uint64_t recordOffset) {
    std::string record =
        "picture record at " + HexOffset(NamedOffset(view, recordOffset)) + " in " + view.noun;
    return view.path.empty() ? record : view.path + "/" + record;
}

ViewName Inside(const ViewName& outer, const std::string& name, const std::string& noun) {
    return ViewName{outer.path.empty() ? name : outer.path + "/" + name, noun, nullptr};
}

// A broken picture, and any the plain bytes seem to hold, are not what a
// container's structure tells of the bytes they lie in.
bool FoundPictures::Unexplained(const FoundPicture& picture) {
    return picture.evidence == Evidence::Broken || picture.rank == kPlainBytesRank;
}

bool FoundPictures::Better(const FoundPicture& a, const FoundPicture& b) {
    return std::tie(a.evidence, a.rank) > std::tie(b.evidence, b.rank);
}

uint64_t FoundPictures::SoundEnd(ByteSource& view, uint64_t from, uint64_t to) const {
    if (m_breaks->empty()) return to;
    for (uint64_t at = from; at < to;) {
        uint64_t run = view.PlaceRun(at);
        if (run == 0 || (at > from && m_breaks->count(view.Place(at)) != 0)) return at;
        at += std::min(run, to - at);
    }
    return to;
}

void FoundPictures::CutAtBreak(FoundPicture& picture) const {
    if (picture.rank == kPlainBytesRank || picture.walkedWhole) return;
    uint64_t end = SoundEnd(*picture.source, picture.start, picture.end);
    if (end == picture.end) return;
    picture.end = end;
    picture.evidence = Evidence::Broken;
    picture.cutAtBreak = true;
}

void FoundPictures::Add(FoundPicture picture) {
    CutAtBreak(picture);
    if (picture.end <= picture.start) return;
    auto known = m_pictures.find(picture.place);
    if (known == m_pictures.end())
        m_pictures.emplace(picture.place, std::move(picture));
    else if (Better(picture, known->second))
        known->second = std::move(picture);
}

bool FoundPictures::TellByRecord(const FilePlace& place, PictureKind kind) {
    auto known = m_pictures.find(place);
    if (known == m_pictures.end() || known->second.kind != kind ||
        known->second.evidence != Evidence::Whole)
        return false;
    known->second.evidence = Evidence::Record;
    return true;
}

// A view whose chain broke explains nothing past its break.
void FoundPictures::Explain(ByteSource& view, uint64_t from, uint64_t to) {
    m_explained.AddView(view, from, SoundEnd(view, from, to));
}

void FoundPictures::AddStream(std::shared_ptr<ByteSource> stream, uint64_t size) {
    m_streams.emplace_back(std::move(stream), size);
}

void FoundPictures::PlaceStreams() {
    for (size_t index = 0; index < m_streams.size(); ++index) {
        ByteSource& stream = *m_streams[index].first;
        const uint64_t size = m_streams[index].second;
        for (uint64_t at = 0; at < size;) {
            uint64_t run = std::min(stream.PlaceRun(at), size - at);
            if (run == 0) break;
            uint64_t from = stream.Place(at).offset;
            m_streamStretches[from] = StreamStretch{from + run, index, at};
            at += run;
        }
        stream.Rest();
    }
    m_streams.clear();
}

// The stretches that hold [from, to) must be one stream's, each following
// the last in the stream's order; or no stream holds any of its bytes.
bool FoundPictures::InOneStreamOrNone(uint64_t from, uint64_t to) {
    if (!m_streams.empty()) PlaceStreams();
    auto stretch = m_streamStretches.upper_bound(from);
    if (stretch != m_streamStretches.begin() && std::prev(stretch)->second.to > from) --stretch;
    if (stretch == m_streamStretches.end() || stretch->first >= to) return true;
    if (stretch->first > from) return false;
    const size_t stream = stretch->second.stream;
    uint64_t streamAt = stretch->second.streamOffset + (from - stretch->first);
    for (uint64_t at = from;;) {
        uint64_t reach = stretch->second.to;
        if (reach >= to) return true;
        streamAt += reach - at;
        at = reach;
        ++stretch;
        if (stretch == m_streamStretches.end() || stretch->first != at ||
            stretch->second.stream != stream || stretch->second.streamOffset != streamAt)
            return false;
    }
}

std::vector<const FoundPicture*> FoundPictures::InOrder() {
    std::vector<const FoundPicture*> byEvidence;
    for (const auto& entry : m_pictures) byEvidence.push_back(&entry.second);
    std::stable_sort(byEvidence.begin(), byEvidence.end(),
                     [](const FoundPicture* a, const FoundPicture* b) { return Better(*a, *b); });
    PlaceSet taken;
    std::vector<const FoundPicture*> kept;
    for (const FoundPicture* picture : byEvidence) {
        if (taken.Contains(picture->place)) continue;
        // A record's own picture cut at a break lies in the bytes the record
        // explains: it is still the salvage of that picture.
        if (Unexplained(*picture) && !picture->cutAtBreak && m_explained.Contains(picture->place))
            continue;
        if (picture->rank == kPlainBytesRank &&
            !(m_damagedDocument && picture->evidence == Evidence::Whole) &&
            !InOneStreamOrNone(picture->place.offset, picture->place.offset + (picture->end - picture->start)))
            continue;
        taken.AddView(*picture->source, picture->start, picture->end);
        kept.push_back(picture);
    }
    std::sort(kept.begin(), kept.end(),
              [](const FoundPicture* a, const FoundPicture* b) { return a->place < b->place; });
    return kept;
}

RecordingSink::RecordingSink(FoundPictures& found, std::shared_ptr<ByteSource> source, int rank,
                             ViewName name, std::vector<ViewSpan>* wholes)
    : m_found(found),
      m_source(std::move(source)),
      m_rank(rank),
      m_name(std::move(name)),
      m_wholes(wholes) {}

bool RecordingSink::TakePicture(DocumentReader& reader, PictureKind kind) {
    FoundPicture picture;
    picture.kind = kind;
    picture.source = m_source;
    picture.start = reader.Position();
    picture.place = m_source->Place(picture.start);
    picture.rank = m_rank;
    picture.from = PictureOrigin(m_name, picture.start);
    bool ended = false;
    Walked walked = SkipPicture(reader, kind, ended);
    if (walked == Walked::NoPicture) return true;
    picture.end = reader.Position();
    picture.evidence = walked == Walked::Whole ? Evidence::Whole : Evidence::Broken;
    picture.walkedWhole = walked == Walked::Whole;
    if (walked == Walked::Whole && m_wholes != nullptr)
        m_wholes->push_back(ViewSpan{picture.start, picture.end});
    m_found.Add(std::move(picture));
    // A picture without an end holds the rest of the data: nothing is left to search.
    return ended;
}
