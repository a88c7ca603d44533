// WorkbookFuzzer.cpp: the drawing group of a workbook stream, read as the scanner reads it.
#include "InputBytes.h"
#include "ViewCheck.h"

#include "recovery/WorkbookDrawing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto bytes = std::make_shared<InputBytes>(data, size);
    for (auto records : {WorkbookDrawing::Records::Drawings,
                         WorkbookDrawing::Records::HeaderFooterPictures}) {
        auto drawing = WorkbookDrawing::Open(bytes, records);
        if (!drawing) continue;
        ReadBudget budget(size);
        CheckView(*drawing, budget);
    }
    return 0;
}
