// RtfTokenizer.cpp
#include "recovery/containers/rtf/RtfTokenizer.h"

#include <cstdint>
#include <limits>

namespace {

// No control word has more letters; a longer one is kept one letter longer,
// so that it is none of them.
constexpr size_t kLongestWord = 32;
// The magnitude of the most negative parameter, where a longer one stops.
constexpr uint64_t kLargestMagnitude = uint64_t{1} << 63;

// Explicit ASCII ranges: a byte of 0x80 or more is text in every locale.
bool IsLetter(uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

uint64_t WithDigit(uint64_t magnitude, uint8_t digit) {
    uint64_t value = digit - '0';
    if (magnitude > (kLargestMagnitude - value) / 10) return kLargestMagnitude;
    return magnitude * 10 + value;
}

int64_t Signed(uint64_t magnitude, bool negative) {
    if (negative)
        return magnitude == kLargestMagnitude ? std::numeric_limits<int64_t>::min()
                                              : -static_cast<int64_t>(magnitude);
    if (magnitude == kLargestMagnitude) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(magnitude);
}

constexpr std::array<int8_t, 256> HexValues() {
    std::array<int8_t, 256> values{};
    for (int c = 0; c < 256; ++c) {
        values[c] = c >= '0' && c <= '9'   ? static_cast<int8_t>(c - '0')
                    : c >= 'a' && c <= 'f' ? static_cast<int8_t>(c - 'a' + 10)
                    : c >= 'A' && c <= 'F' ? static_cast<int8_t>(c - 'A' + 10)
                                           : -1;
    }
    return values;
}

}  // namespace

const std::array<int8_t, 256> RtfTokenizer::kHexValues = HexValues();

RtfTokenizer::RtfTokenizer(ByteSource& text, uint64_t start, size_t blockSize)
    : m_text(text), m_blockSize(blockSize), m_mark{start, 0} {}

void RtfTokenizer::ReleaseCaches() {
    std::vector<uint8_t>().swap(m_buffer);
    m_bufferLength = 0;
}

bool RtfTokenizer::Peek(size_t ahead, uint8_t& c) {
    uint64_t at = m_mark.position + ahead;
    if (at < m_bufferStart || at - m_bufferStart >= m_bufferLength) {
        m_buffer.resize(m_blockSize);
        m_bufferStart = m_mark.position;
        m_bufferLength = m_text.ReadAt(m_bufferStart, m_buffer.data(), m_blockSize);
        if (at - m_bufferStart >= m_bufferLength) return false;
    }
    c = m_buffer[at - m_bufferStart];
    return true;
}

bool RtfTokenizer::ReadToken(RtfToken& token) {
    token.start = m_mark.position;
    uint8_t c = 0;
    if (!Peek(0, c)) {
        token.kind = RtfTokenKind::End;
        return false;
    }
    ++m_mark.position;
    // A \bin run's bytes are data whatever they hold, braces and backslashes too.
    if (m_mark.binaryLeft > 0) {
        --m_mark.binaryLeft;
        token.kind = RtfTokenKind::BinaryByte;
        token.byte = c;
        return true;
    }
    if (c == '\\') return ReadControl(token);
    token.kind = RtfTokenKind::Text;
    if (c == '{') token.kind = RtfTokenKind::GroupOpen;
    if (c == '}') token.kind = RtfTokenKind::GroupClose;
    token.byte = c;
    return true;
}

// After a backslash; one that ends the text ends the tokens.
bool RtfTokenizer::ReadControl(RtfToken& token) {
    uint8_t c = 0;
    if (!Peek(0, c)) {
        token.kind = RtfTokenKind::End;
        return false;
    }
    if (IsLetter(c)) {
        ReadControlWord(token);
        return true;
    }
    ++m_mark.position;
    token.kind = RtfTokenKind::ControlSymbol;
    token.byte = c;
    // \' stands for the byte its two hexadecimal digits give; without them
    // it is a symbol alone, and what follows it is read as what it is.
    uint8_t high = 0;
    uint8_t low = 0;
    if (c == '\'' && Peek(0, high) && HexValue(high) >= 0 && Peek(1, low) && HexValue(low) >= 0) {
        m_mark.position += 2;
        token.kind = RtfTokenKind::HexByte;
        token.byte = static_cast<uint8_t>(HexValue(high) << 4 | HexValue(low));
    }
    return true;
}

void RtfTokenizer::ReadControlWord(RtfToken& token) {
    m_word.clear();
    uint8_t c = 0;
    while (Peek(0, c) && IsLetter(c)) {
        if (m_word.size() <= kLongestWord) m_word += static_cast<char>(c);
        ++m_mark.position;
    }
    token.kind = RtfTokenKind::ControlWord;
    token.word = m_word;
    token.wordEnd = m_mark.position;
    token.parameter = ReadParameter();
    // One space ends the word and is part of it.
    if (Peek(0, c) && c == ' ') ++m_mark.position;
    if (token.word == "bin" && token.parameter && *token.parameter > 0)
        m_mark.binaryLeft = static_cast<uint64_t>(*token.parameter);
}

// A parameter too long for 64 bits stands for the largest of its sign: a
// \bin run that long simply takes the rest of the text.
std::optional<int64_t> RtfTokenizer::ReadParameter() {
    uint8_t c = 0;
    const bool negative = Peek(0, c) && c == '-';
    if (negative) ++m_mark.position;
    bool anyDigit = false;
    uint64_t magnitude = 0;
    while (Peek(0, c) && IsDigit(c)) {
        magnitude = WithDigit(magnitude, c);
        anyDigit = true;
        ++m_mark.position;
    }
    if (!anyDigit) return std::nullopt;
    return Signed(magnitude, negative);
}
