// RtfGroupSource.cpp
#include "recovery/containers/rtf/RtfGroupSource.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>

namespace {

constexpr size_t kTextBlock = 16 * 1024;
// One saved decoder state per so many decoded bytes.
constexpr uint64_t kCheckpointSpacing = 64 * 1024;
constexpr size_t kLongestControlWord = 32;
// The recent states: one per so many decoded bytes, over the last
// kRecentSpacing * kRecentStates bytes.
constexpr uint64_t kRecentSpacing = 256;
constexpr size_t kRecentStates = 256;

// A parameter too large for 64 bits stands for the largest: a \bin run that
// long simply takes the rest of the text.
uint64_t SaturatedNumber(const std::string& digits) {
    uint64_t value = 0;
    auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) return std::numeric_limits<uint64_t>::max();
    return value;
}

int HexValue(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

RtfGroupSource::RtfGroupSource(std::shared_ptr<ByteSource> text, uint64_t start, Ends ends)
    : m_text(std::move(text)),
      m_ends(ends),
      m_state{start},
      m_checkpoints(kCheckpointSpacing, m_state) {}

void RtfGroupSource::Rest() {
    std::vector<State>().swap(m_recent);
    std::vector<uint8_t>().swap(m_buffer);
    m_bufferLength = 0;
}

bool RtfGroupSource::PeekChar(uint8_t& c) {
    uint64_t at = m_state.textPosition;
    if (at < m_bufferStart || at >= m_bufferStart + m_bufferLength) {
        m_buffer.resize(kTextBlock);
        m_bufferStart = at;
        m_bufferLength = m_text->ReadAt(at, m_buffer.data(), kTextBlock);
        if (m_bufferLength == 0) return false;
    }
    c = m_buffer[at - m_bufferStart];
    return true;
}

bool RtfGroupSource::NextChar(uint8_t& c) {
    if (!PeekChar(c)) return false;
    ++m_state.textPosition;
    return true;
}

bool RtfGroupSource::IsDataWord(const std::string& word) { return word == "pict" || word == "objdata"; }

// Reads a control word's letters and numeric parameter after its backslash;
// only \binN changes what follows, and only at the group's own level unless
// the group ends only at its brace. True when the word opens a data group of
// its own.
bool RtfGroupSource::ReadControlWord() {
    std::string word;
    uint8_t c = 0;
    while (word.size() < kLongestControlWord && PeekChar(c) && std::isalpha(c)) {
        word += static_cast<char>(c);
        ++m_state.textPosition;
    }
    if (word.empty()) {
        NextChar(c);  // a control symbol such as \{ or \'
        if (c == '\'') {
            NextChar(c);
            NextChar(c);
        }
        return false;
    }
    std::string number;
    if (PeekChar(c) && c == '-') {
        number += '-';
        ++m_state.textPosition;
    }
    while (number.size() < kLongestControlWord && PeekChar(c) && std::isdigit(c)) {
        number += static_cast<char>(c);
        ++m_state.textPosition;
    }
    if (PeekChar(c) && c == ' ') ++m_state.textPosition;
    const bool atBrace = m_ends == Ends::AtClosingBrace;
    if (word == "bin" && (m_state.depth == 0 || atBrace) && !number.empty() && number[0] != '-')
        m_state.binaryLeft = SaturatedNumber(number);
    return IsDataWord(word) && !atBrace;
}

bool RtfGroupSource::NextByte(uint8_t& byte, uint64_t& textPosition) {
    int high = -1;
    uint8_t c;
    while (!m_state.ended) {
        if (m_state.binaryLeft > 0 && high < 0) {
            textPosition = m_state.textPosition;
            if (!NextChar(byte)) break;
            --m_state.binaryLeft;
            return true;
        }
        uint64_t at = m_state.textPosition;
        if (!NextChar(c)) break;
        if (c == '{') {
            ++m_state.depth;
        } else if (c == '}') {
            if (m_state.depth == 0)
                m_state.ended = true;
            else
                --m_state.depth;
        } else if (c == '\\') {
            // A picture inside this one is a picture of its own, not more of
            // this one's data: the group ends before it.
            if (ReadControlWord()) {
                m_state.textPosition = at;
                m_state.ended = true;
            }
        } else if (m_state.depth == 0 && HexValue(c) >= 0) {
            if (high < 0) {
                high = HexValue(c);
                textPosition = at;
            } else {
                byte = static_cast<uint8_t>((high << 4) | HexValue(c));
                return true;
            }
        }
    }
    if (!m_state.ended) m_end = m_text->EndReason();
    m_state.ended = true;
    return false;
}

void RtfGroupSource::Advanced() {
    ++m_state.dataPosition;
    m_checkpoints.Reached(m_state.dataPosition, m_state);
    if (m_state.dataPosition % kRecentSpacing != 0) return;
    if (m_recent.empty()) m_recent.resize(kRecentStates, State{kUnknownSize, kUnknownSize});
    m_recent[(m_state.dataPosition / kRecentSpacing) % kRecentStates] = m_state;
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
    if (offset < m_state.dataPosition) m_state = NearestState(offset);
    uint8_t byte;
    uint64_t textPosition;
    while (m_state.dataPosition < offset && NextByte(byte, textPosition)) Advanced();
}

size_t RtfGroupSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    MoveTo(offset);
    if (m_state.dataPosition != offset) return 0;
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
    return m_state.textPosition;
}

FilePlace RtfGroupSource::Place(uint64_t offset) {
    MoveTo(offset);
    uint8_t byte;
    uint64_t textPosition = m_state.textPosition;
    if (m_state.dataPosition == offset && NextByte(byte, textPosition)) Advanced();
    return m_text->Place(textPosition);
}
