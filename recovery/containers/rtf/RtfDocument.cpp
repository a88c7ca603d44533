// RtfDocument.cpp
#include "recovery/containers/rtf/RtfDocument.h"

#include "recovery/containers/rtf/RtfGroupSource.h"
#include "recovery/containers/rtf/RtfTokenizer.h"

namespace {

constexpr uint8_t kSignature[] = {'{', '\\', 'r', 't', 'f'};
constexpr size_t kSearchBlock = 64 * 1024;

}  // namespace

bool RtfDocument::StartsWithSignature(ByteSource& source) { return StartsWith(source, kSignature); }

void RtfDocument::ForEachDataGroup(const std::shared_ptr<ByteSource>& text,
                                   const GroupVisitor& visit) {
    RtfTokenizer tokens(*text, 0, kSearchBlock);
    RtfToken token;
    while (tokens.Next(token)) {
        if (token.kind != RtfTokenKind::ControlWord) continue;
        const uint64_t wordsStart = token.wordEnd;
        // Writers follow a picture with the same picture as a metafile, for
        // readers of old: the copy is passed over whole, binary data and all.
        if (token.word == "nonshppict") {
            auto copy = std::make_shared<RtfGroupSource>(text, wordsStart,
                                                         RtfGroupSource::Ends::AtClosingBrace);
            uint64_t end = copy->TextEnd();
            visit(RtfDataGroup{copy, false, wordsStart, true, end});
            tokens.MoveTo(end);
            continue;
        }
        if (!RtfGroupSource::IsDataWord(token.word)) continue;
        const bool picture = token.word == "pict";
        auto group = std::make_shared<RtfGroupSource>(text, wordsStart);
        visit(RtfDataGroup{group, picture, wordsStart});
        // The search goes on where the group ends, so that text is read once
        // however many groups are left open in it.
        uint64_t end = group->TextEnd();
        group->ReleaseCaches();
        if (end > tokens.Position()) tokens.MoveTo(end);
    }
}
