// RtfPictureHeader.cpp
#include "recovery/containers/rtf/RtfPictureHeader.h"

#include "recovery/containers/rtf/RtfGroupSource.h"
#include "recovery/containers/rtf/RtfTokenizer.h"
#include "recovery/pictures/PictureKindTable.h"

#include <string_view>

namespace {

constexpr size_t kReadBlock = 4096;
// A picture's words come before its data; a group that runs on without data
// is not read further for them.
constexpr uint64_t kLongestHeader = 64 * 1024;

// Words that name a picture of a kind not written (a device bitmap, an OS/2
// metafile): the group then holds no picture to write.
constexpr const char* kUnwrittenKindWords[] = {"wbitmap", "pmmetafile"};

class HeaderReader {
public:
    HeaderReader(ByteSource& text, uint64_t from)
        : m_start(from), m_tokens(text, from, kReadBlock) {}

    RtfPictureHeader Read() {
        int depth = 0;
        RtfToken token;
        while (m_tokens.Position() - m_start < kLongestHeader && m_tokens.Next(token)) {
            if (token.kind == RtfTokenKind::GroupOpen) {
                ++depth;
            } else if (token.kind == RtfTokenKind::GroupClose) {
                if (depth-- == 0) break;
            } else if (token.kind == RtfTokenKind::ControlWord) {
                if (depth == 0) Take(token.word, token.parameter.value_or(0));
                // A data group inside this one starts a group of its own: its words are its own.
                if (RtfGroupSource::IsDataWord(token.word)) break;
            } else if (IsData(token, depth)) {
                break;
            }
        }
        return m_header;
    }

private:
    // The picture's data, hexadecimal or binary, is the group's own text.
    static bool IsData(const RtfToken& token, int depth) {
        if (depth > 0) return false;
        return token.kind == RtfTokenKind::BinaryByte ||
               (token.kind == RtfTokenKind::Text && RtfTokenizer::HexValue(token.byte) >= 0);
    }

    void Take(std::string_view word, int64_t value) {
        for (const PictureKindInfo& info : kPictureKindTable) {
            if (info.rtfWord != nullptr && word == info.rtfWord) m_header.kind = info.kind;
        }
        for (const char* unwritten : kUnwrittenKindWords) {
            if (word == unwritten) m_header.kind = std::nullopt;
        }
        if (word == "picw") m_header.width = value;
        if (word == "pich") m_header.height = value;
        if (word == "picwgoal") m_header.goalWidth = value;
        if (word == "pichgoal") m_header.goalHeight = value;
    }

    uint64_t m_start;
    RtfTokenizer m_tokens;
    RtfPictureHeader m_header;
};

}  // namespace

RtfPictureHeader ReadRtfPictureHeader(ByteSource& text, uint64_t from) {
    return HeaderReader(text, from).Read();
}
