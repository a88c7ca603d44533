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

uint32_t FoundPictures::KeepName(const ViewName& name) {
    m_names.push_back(name);
    return static_cast<uint32_t>(m_names.size() - 1);
}

// A view is known by its address while this object holds it.
uint32_t FoundPictures::ViewNumber(const std::shared_ptr<ByteSource>& view) {
    auto known = m_viewNumbers.emplace(view.get(), static_cast<uint32_t>(m_views.size()));
    if (known.second) m_views.push_back(view);
    return known.first->second;
}

void FoundPictures::Add(FoundPicture picture) {
    CutAtBreak(picture);
    if (picture.end <= picture.start) return;
    Candidate candidate;
    candidate.place = picture.place;
    candidate.start = picture.start;
    candidate.end = picture.end;
    candidate.originOffset = picture.origin.offset;
    candidate.view = ViewNumber(picture.source);
    candidate.name = picture.origin.name;
    candidate.kind = static_cast<uint32_t>(picture.kind);
    candidate.rank = static_cast<uint32_t>(picture.rank);
    candidate.evidence = static_cast<uint32_t>(picture.evidence);
    candidate.walkedWhole = picture.walkedWhole;
    candidate.cutAtBreak = picture.cutAtBreak;
    candidate.originIsRecord = picture.origin.record;
    if (!picture.header.empty()) {
        m_headers.push_back(std::move(picture.header));
        candidate.header = static_cast<uint32_t>(m_headers.size());
    }
    m_candidates.Add(candidate);
}

bool FoundPictures::TellByRecord(const FilePlace& place, PictureKind kind) {
    return m_candidates.ChangeHolder(place, [kind](Candidate& holder) {
        if (static_cast<PictureKind>(holder.kind) != kind || holder.Told() != Evidence::Whole)
            return false;
        holder.evidence = static_cast<uint32_t>(Evidence::Record);
        return true;
    });
}

const std::vector<uint8_t>& FoundPictures::Header(const Candidate& candidate) const {
    static const std::vector<uint8_t> kNone;
    return candidate.header == 0 ? kNone : m_headers[candidate.header - 1];
}

std::string FoundPictures::From(const Candidate& candidate) const {
    const ViewName& name = m_names[candidate.name];
    return candidate.originIsRecord ? RecordOrigin(name, candidate.originOffset)
                                    : PictureOrigin(name, candidate.originOffset);
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
        stream.ReleaseCaches();
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

uint32_t LazyViewName::Number() {
    if (!m_number) m_number = m_found.KeepName(m_name);
    return *m_number;
}

RecordingSink::RecordingSink(FoundPictures& found, std::shared_ptr<ByteSource> source, int rank,
                             const ViewName& name, std::vector<ViewSpan>* wholePictures)
    : m_found(found),
      m_source(std::move(source)),
      m_rank(rank),
      m_name(found, name),
      m_wholePictures(wholePictures) {}

bool RecordingSink::TakePicture(DocumentReader& reader, PictureKind kind) {
    FoundPicture picture;
    picture.kind = kind;
    picture.source = m_source;
    picture.start = reader.Position();
    picture.place = m_source->Place(picture.start);
    picture.rank = m_rank;
    bool ended = false;
    Walked walked = SkipPicture(reader, kind, ended);
    if (walked == Walked::NoPicture) return true;
    picture.origin = Origin{m_name.Number(), picture.start, false};
    picture.end = reader.Position();
    picture.evidence = walked == Walked::Whole ? Evidence::Whole : Evidence::Broken;
    picture.walkedWhole = walked == Walked::Whole;
    if (walked == Walked::Whole && m_wholePictures != nullptr)
        m_wholePictures->push_back(ViewSpan{picture.start, picture.end});
    m_found.Add(std::move(picture));
    // A picture without an end holds the rest of the data: nothing is left to search.
    return ended;
}
