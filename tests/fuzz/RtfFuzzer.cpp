// RtfFuzzer.cpp: the picture and object groups of RTF text, each read as the scanner reads it.
#include "InputBytes.h"
#include "ViewCheck.h"

#include "recovery/RtfDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto text = std::make_shared<InputBytes>(data, size);
    ReadBudget budget(size);
    RtfDocument::ForEachDataGroup(
        text, [&](const RtfDataGroup& group) { CheckView(*group.data, budget); });
    return 0;
}
