// ZipFuzzer.cpp: the entries of a ZIP archive, each read as the scanner reads it.
#include "InputBytes.h"
#include "ViewCheck.h"

#include "recovery/InflateSource.h"
#include "recovery/ZipPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto archive = std::make_shared<InputBytes>(data, size);
    ReadBudget budget(size);
    ZipPackage::ForEachEntry(archive, std::make_shared<InflationBudget>(size),
                             [&](const ZipEntry& entry) { CheckView(*entry.data, budget); });
    return 0;
}
