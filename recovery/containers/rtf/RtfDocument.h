// RtfDocument.h: the groups of an RTF document that hold binary data, its
// pictures (\pict) and embedded objects (\objdata).
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <functional>
#include <memory>

struct RtfDataGroup {
    std::shared_ptr<ByteSource> data;  // decoded
    bool picture = false;              // a \pict group, else \objdata
    uint64_t wordsStart = 0;           // the text right after its control word
    // A \nonshppict group: the copy of a picture that writers add for readers
    // of old, no picture of its own. Its text ends at textEnd.
    bool oldReadersCopy = false;
    uint64_t textEnd = 0;
};

class RtfDocument {
public:
    using GroupVisitor = std::function<void(const RtfDataGroup& group)>;

    static bool StartsWithSignature(ByteSource& source);
    // Hands the decoded data of every \pict and \objdata group to visit, in
    // the order of the text, and each copy for old readers whole.
    static void ForEachDataGroup(const std::shared_ptr<ByteSource>& text,
                                 const GroupVisitor& visit);
};
