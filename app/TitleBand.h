// TitleBand.h - the painted background and title band of the main window
#pragma once

#include <windows.h>

#include <string>

#include "res/Palette.h"
#include "res/version.h"

class CDC;

constexpr const char* kPaintedTitle = " Velmo Image Recovery " VELMO_VERSION_TEXT;

// Paints the blue bands over the whole client area and the green title band
// in its top left corner. bandText is drawn opaque for each band, so its
// length decides how far to the right the bands reach.
void PaintTitleBand(CDC& dc, SIZE client, const std::string& bandText);
