// RtfDocument.cpp
#include "recovery/containers/rtf/RtfDocument.h"

#include "recovery/bytes/DocumentReader.h"
#include "recovery/containers/rtf/RtfGroupSource.h"

#include <cctype>
#include <string>

namespace {

constexpr uint8_t kSignature[] = {'{', '\\', 'r', 't', 'f'};
constexpr size_t kSearchBlock = 64 * 1024;

}  // namespace

bool RtfDocument::StartsWithSignature(ByteSource& source) { return StartsWith(source, kSignature); }

void RtfDocument::ForEachDataGroup(const std::shared_ptr<ByteSource>& text,
                                   const GroupVisitor& visit) {
    DocumentReader reader(*text, kSearchBlock);
    const uint8_t backslash[] = {'\\'};
    while (reader.SkipTo(backslash, 1)) {
        reader.Skip(1);
        // The longest word looked for, and the character that ends it.
        reader.Ensure(11);
        std::string word;
        for (size_t i = 0; i < reader.Available() && i < 10 && std::isalpha(reader.Cursor()[i]); ++i)
            word += static_cast<char>(reader.Cursor()[i]);
        uint64_t wordsStart = reader.Position() + word.size();
        // Writers follow a picture with the same picture as a metafile, for
        // readers of old: the copy is passed over whole, binary data and all.
        if (word == "nonshppict") {
            auto copy = std::make_shared<RtfGroupSource>(text, wordsStart,
                                                         RtfGroupSource::Ends::AtClosingBrace);
            uint64_t end = copy->TextEnd();
            visit(RtfDataGroup{copy, false, wordsStart, true, end});
            reader.MoveTo(end);
            continue;
        }
        if (!RtfGroupSource::IsDataWord(word)) continue;
        auto group = std::make_shared<RtfGroupSource>(text, wordsStart);
        visit(RtfDataGroup{group, word == "pict", wordsStart});
        // The search goes on where the group ends, so that text is read once
        // however many groups are left open in it.
        uint64_t end = group->TextEnd();
        group->Rest();
        if (end > reader.Position()) reader.MoveTo(end);
    }
}
