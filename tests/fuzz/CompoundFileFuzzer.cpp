// CompoundFileFuzzer.cpp: the streams of a compound file, each read as the scanner reads it.
#include "InputBytes.h"
#include "ViewCheck.h"

#include "recovery/CompoundFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file = CompoundFile::Open(std::make_shared<InputBytes>(data, size));
    if (!file) return 0;
    ReadBudget budget(size);
    file->ForEachStream([&](const std::string&, std::shared_ptr<ByteSource> stream) {
        CheckView(*stream, budget);
    });
    return 0;
}
