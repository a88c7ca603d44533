// RtfPictureHeader.cpp
#include "recovery/containers/rtf/RtfPictureHeader.h"

#include "recovery/bytes/DocumentReader.h"
#include "recovery/containers/rtf/RtfGroupSource.h"
#include "recovery/pictures/PictureKindTable.h"

#include <cctype>
#include <charconv>
#include <string>

namespace {

constexpr size_t kReadBlock = 4096;
// A picture's words come before its data; a group that runs on without data
// is not read further for them.
constexpr uint64_t kLongestHeader = 64 * 1024;
constexpr size_t kLongestWord = 32;

// Words that name a picture of a kind not written (a device bitmap, an OS/2
// metafile): the group then holds no picture to write.
constexpr const char* kUnwrittenKindWords[] = {"wbitmap", "pmmetafile"};

bool IsHexDigit(uint8_t c) { return std::isxdigit(c) != 0; }

class HeaderReader {
public:
    HeaderReader(ByteSource& text, uint64_t from) : m_reader(text, kReadBlock, from) {}

    RtfPictureHeader Read() {
        uint64_t start = m_reader.Position();
        int depth = 0;
        while (!m_dataGroupMet && m_reader.Position() - start < kLongestHeader &&
               m_reader.Ensure(1)) {
            uint8_t c = *m_reader.Cursor();
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (depth-- == 0) break;
            } else if (c == '\\') {
                m_reader.Skip(1);
                Word(depth == 0);
                continue;
            } else if (depth == 0 && IsHexDigit(c)) {
                break;
            }
            m_reader.Skip(1);
        }
        return m_header;
    }

private:
    void Word(bool own) {
        std::string word;
        std::string number;
        while (word.size() < kLongestWord && m_reader.Ensure(1) && std::isalpha(*m_reader.Cursor())) {
            word += static_cast<char>(*m_reader.Cursor());
            m_reader.Skip(1);
        }
        while (number.size() < kLongestWord && m_reader.Ensure(1) &&
               (std::isdigit(*m_reader.Cursor()) || (number.empty() && *m_reader.Cursor() == '-'))) {
            number += static_cast<char>(*m_reader.Cursor());
            m_reader.Skip(1);
        }
        if (word.empty()) {
            m_reader.Skip(1);  // a control symbol
            return;
        }
        if (m_reader.Ensure(1) && *m_reader.Cursor() == ' ') m_reader.Skip(1);
        // A data group inside this one starts a group of its own: its words are its own.
        if (RtfGroupSource::IsDataWord(word)) m_dataGroupMet = true;
        if (own) Take(word, number);
    }

    void Take(const std::string& word, const std::string& number) {
        int64_t value = 0;
        std::from_chars(number.data(), number.data() + number.size(), value);
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

    DocumentReader m_reader;
    RtfPictureHeader m_header;
    bool m_dataGroupMet = false;
};

}  // namespace

RtfPictureHeader ReadRtfPictureHeader(ByteSource& text, uint64_t from) {
    return HeaderReader(text, from).Read();
}
