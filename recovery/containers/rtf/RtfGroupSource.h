// RtfGroupSource.h: the binary data of an RTF \pict or \objdata group,
// decoded from its hexadecimal text and \bin runs as it is read.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/bytes/Checkpoints.h"
#include "recovery/containers/rtf/RtfTokenizer.h"

#include <memory>
#include <string_view>
#include <vector>

class RtfGroupSource : public ByteSource {
public:
    // Where the group's data ends: at the control word of a data group
    // nested inside it, which is a group of its own; or only at its closing
    // brace, the \binN runs of the groups inside it data too.
    enum class Ends { AtNestedDataGroup, AtClosingBrace };

    // start: the text right after the group's control word. The data ends
    // with the group; text in groups nested inside it is not data.
    RtfGroupSource(std::shared_ptr<ByteSource> text, uint64_t start,
                   Ends ends = Ends::AtNestedDataGroup);

    uint64_t Size() const override { return kUnknownSize; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override { return ViewEnd(m_text->EndReason(), m_end); }
    // The file place of the text that encodes the byte.
    FilePlace Place(uint64_t offset) override;
    // The text between two data bytes is the group's own.
    uint64_t PlaceRun(uint64_t) override { return kUnknownSize; }
    void ReleaseCaches() override;
    // Where the group's text ends: after its closing brace, at the control
    // word of a data group inside it, or at the end of the text when the
    // group is never closed.
    uint64_t TextEnd();
    // \pict and \objdata: the words whose groups hold binary data.
    static bool IsDataWord(std::string_view word);

private:
    // The decoder's state at one point of the text; reading before the
    // current point starts again from the nearest saved one.
    struct State {
        RtfTokenizer::Mark text;
        uint64_t dataPosition = 0;
        int depth = 0;
        bool ended = false;
    };

    bool NextByte(uint8_t& byte, uint64_t& textPosition);
    // A token that is no data: the group's structure.
    void Follow(const RtfToken& token);
    // The decoder moved on to the next data byte.
    void Advanced();
    State Saved() const;
    void Resume(const State& state);
    // The saved state nearest before the data offset.
    State NearestState(uint64_t offset) const;
    void MoveTo(uint64_t offset);

    std::shared_ptr<ByteSource> m_text;
    Ends m_ends;
    RtfTokenizer m_tokenizer;
    uint64_t m_dataPosition = 0;
    int m_depth = 0;
    bool m_ended = false;
    Checkpoints<State> m_checkpoints;
    // States close together over the last stretch decoded, kept while the
    // group is read: a picture's walk reads ahead and then goes back a little
    // to read it again or to place it, and that costs a short way, not the
    // way from the last checkpoint.
    std::vector<State> m_recent;
    DataEnd m_end = DataEnd::Whole;  // why the text ran out inside the group, when it did
};
