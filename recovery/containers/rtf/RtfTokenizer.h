// RtfTokenizer.h: RTF text cut into its tokens, the one place that knows
// how control words, hexadecimal escapes and \bin runs are written.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RtfTokenKind {
    GroupOpen,      // {
    GroupClose,     // }
    ControlWord,    // \word, with its parameter if it has one
    ControlSymbol,  // \ and one character that is no letter, such as \* or \{
    HexByte,        // \'hh
    BinaryByte,     // one raw byte of a \binN run
    Text,           // any other byte
    End,
};

struct RtfToken {
    RtfTokenKind kind = RtfTokenKind::End;
    uint64_t start = 0;  // the text position of its first character
    // Text, BinaryByte and HexByte: the byte; ControlSymbol: its character.
    uint8_t byte = 0;
    // ControlWord: its letters, valid until the next token. A word too long
    // to be any known one is cut a letter past the longest.
    std::string_view word;
    uint64_t wordEnd = 0;              // ControlWord: the text right after its letters
    std::optional<int64_t> parameter;  // ControlWord
};

class RtfTokenizer {
public:
    // Where the tokenizer is: a place in the text, and how many raw bytes
    // of a \bin run are still to come from there.
    struct Mark {
        uint64_t position = 0;
        uint64_t binaryLeft = 0;
    };

    // Reads the text from start on, blockSize bytes at a time.
    RtfTokenizer(ByteSource& text, uint64_t start, size_t blockSize);

    // The token at the current position; kind End, and false, where the text ends.
    bool Next(RtfToken& token) {
        // Most of a picture's text is plain and already read: taken here,
        // without a call, as decoding takes one token per character. A
        // position before the buffer wraps around to beyond its length.
        const uint64_t inBuffer = m_mark.position - m_bufferStart;
        if (m_mark.binaryLeft == 0 && inBuffer < m_bufferLength) {
            const uint8_t c = m_buffer[inBuffer];
            if (c != '\\' && c != '{' && c != '}') {
                token.kind = RtfTokenKind::Text;
                token.start = m_mark.position++;
                token.byte = c;
                return true;
            }
        }
        return ReadToken(token);
    }
    // Where the next token starts.
    uint64_t Position() const { return m_mark.position; }
    // Goes on at a token's start, outside any \bin run.
    void MoveTo(uint64_t position) { m_mark = Mark{position, 0}; }
    Mark Here() const { return m_mark; }
    void Return(const Mark& mark) { m_mark = mark; }
    // Lets go of the buffer until the next token is read.
    void ReleaseCaches();

    // The value of an ASCII hexadecimal digit, or -1: the same in every locale.
    static int HexValue(uint8_t c) { return kHexValues[c]; }

private:
    // The character so many places past the position, reading it if need be.
    bool Peek(size_t ahead, uint8_t& c);
    bool ReadToken(RtfToken& token);
    bool ReadControl(RtfToken& token);
    void ReadControlWord(RtfToken& token);
    std::optional<int64_t> ReadParameter();

    // Looked up, not tested: picture data is mostly hexadecimal digits, in
    // no order a branch could foresee.
    static const std::array<int8_t, 256> kHexValues;

    ByteSource& m_text;
    size_t m_blockSize;
    Mark m_mark;
    std::vector<uint8_t> m_buffer;
    uint64_t m_bufferStart = 0;
    size_t m_bufferLength = 0;
    std::string m_word;
};
