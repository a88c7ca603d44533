// WorkbookFuzzer.cpp: the drawing group of a workbook stream, read as the scanner reads it.
#include "InputBytes.h"
#include "ViewCheck.h"

#include "recovery/WorkbookDrawing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto drawing = WorkbookDrawing::Open(std::make_shared<InputBytes>(data, size));
    if (!drawing) return 0;
    ReadBudget budget(size);
    CheckView(*drawing, budget);
    return 0;
}
