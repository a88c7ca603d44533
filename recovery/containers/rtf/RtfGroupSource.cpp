// RtfGroupSource.cpp
#include "recovery/containers/rtf/RtfGroupSource.h"

#include <limits>

namespace {

constexpr size_t kTextBlock = 16 * 1024;
// One saved decoder state per so many decoded bytes.
constexpr uint64_t kCheckpointSpacing = 64 * 1024;
// The recent states: one per so many decoded bytes, over the last
// kRecentSpacing * kRecentStates bytes.
constexpr uint64_t kRecentSpacing = 256;
constexpr size_t kRecentStates = 256;
// A state is saved only where a recent one is: checkpoints must fall there too.
static_assert(kCheckpointSpacing % kRecentSpacing == 0);

}  // namespace

RtfGroupSource::RtfGroupSource(std::shared_ptr<ByteSource> text, uint64_t start, Ends ends)
    : m_text(std::move(text)),
      m_ends(ends),
      m_tokenizer(*m_text, start, kTextBlock),
      m_checkpoints(kCheckpointSpacing, Saved()) {}

void RtfGroupSource::ReleaseCaches() {
    std::vector<State>().swap(m_recent);
    m_tokenizer.ReleaseCaches();
}

bool RtfGroupSource::IsDataWord(std::string_view word) {
    return word == "pict" || word == "objdata";
}

bool RtfGroupSource::NextByte(uint8_t& byte, uint64_t& textPosition) {
    int high = -1;
    RtfToken token;
    while (!m_ended && m_tokenizer.Next(token)) {
        if (token.kind == RtfTokenKind::Text) {
            const int value = RtfTokenizer::HexValue(token.byte);
            if (m_depth > 0 || value < 0) continue;
            if (high >= 0) {
                byte = static_cast<uint8_t>((high << 4) | value);
                return true;
            }
            high = value;
            textPosition = token.start;
        } else if (token.kind == RtfTokenKind::BinaryByte) {
            // A half byte of hexadecimal text before the run is lost.
            if (m_depth > 0 && m_ends == Ends::AtNestedDataGroup) continue;
            byte = token.byte;
            textPosition = token.start;
            return true;
        } else {
            Follow(token);
        }
    }
    if (!m_ended) m_end = m_text->EndReason();
    m_ended = true;
    return false;
}

// Braces nest groups whose text is not the data; the data ends with the
// group's own brace. A picture inside this one is a picture of its own, not
// more of this one's data: the group ends before its word, unless it is read
// to its brace.
void RtfGroupSource::Follow(const RtfToken& token) {
    if (token.kind == RtfTokenKind::GroupOpen) {
        ++m_depth;
    } else if (token.kind == RtfTokenKind::GroupClose) {
        if (m_depth == 0)
            m_ended = true;
        else
            --m_depth;
    } else if (token.kind == RtfTokenKind::ControlWord && m_ends == Ends::AtNestedDataGroup &&
               IsDataWord(token.word)) {
        m_tokenizer.MoveTo(token.start);
        m_ended = true;
    }
}

RtfGroupSource::State RtfGroupSource::Saved() const {
    return State{m_tokenizer.Here(), m_dataPosition, m_depth, m_ended};
}

void RtfGroupSource::Resume(const State& state) {
    m_tokenizer.Return(state.text);
    m_dataPosition = state.dataPosition;
    m_depth = state.depth;
    m_ended = state.ended;
}

void RtfGroupSource::Advanced() {
    ++m_dataPosition;
    if (m_dataPosition % kRecentSpacing != 0) return;
    State state = Saved();
    m_checkpoints.Reached(m_dataPosition, state);
    if (m_recent.empty()) m_recent.resize(kRecentStates, State{{}, kUnknownSize});
    m_recent[(m_dataPosition / kRecentSpacing) % kRecentStates] = state;
}

RtfGroupSource::State RtfGroupSource::NearestState(uint64_t offset) const {
    uint64_t recentStep = offset / kRecentSpacing;
    if (!m_recent.empty()) {
        const State& recent = m_recent[recentStep % kRecentStates];
        if (recent.dataPosition == recentStep * kRecentSpacing) return recent;
    }
    return m_checkpoints.AtOrBefore(offset).state;
}

void RtfGroupSource::MoveTo(uint64_t offset) {
    if (offset < m_dataPosition) Resume(NearestState(offset));
    uint8_t byte;
    uint64_t textPosition;
    while (m_dataPosition < offset && NextByte(byte, textPosition)) Advanced();
}

size_t RtfGroupSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    MoveTo(offset);
    if (m_dataPosition != offset) return 0;
    size_t done = 0;
    uint64_t textPosition;
    while (done < size && NextByte(into[done], textPosition)) {
        ++done;
        Advanced();
    }
    return done;
}

uint64_t RtfGroupSource::TextEnd() {
    MoveTo(std::numeric_limits<uint64_t>::max());
    return m_tokenizer.Position();
}

FilePlace RtfGroupSource::Place(uint64_t offset) {
    MoveTo(offset);
    uint8_t byte;
    uint64_t textPosition = m_tokenizer.Position();
    if (m_dataPosition == offset && NextByte(byte, textPosition)) Advanced();
    return m_text->Place(textPosition);
}
