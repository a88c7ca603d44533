// TitleBand.h - the painted background and title band of the main window
#pragma once

#include <windows.h>

#include <string>

class CDC;

constexpr COLORREF kTitleDarkGreen = RGB(0, 100, 40);
constexpr COLORREF kTitleBrightGreen = RGB(0, 255, 25);
constexpr COLORREF kTitleTextColour = RGB(0, 255, 2);
constexpr int kBandStep = 10;
constexpr const char* kPaintedTitle = " Velmo Image Recovery 1.1";

// Background colour of the band drawn at the top y (a multiple of kBandStep):
// the bands shade from blue towards cyan, wrapping past 255 in tall windows.
COLORREF BandColour(int top);

// Paints the blue bands over the whole client area and the green title band
// in its top left corner. bandText is drawn opaque for each band, so its
// length decides how far to the right the bands reach.
void PaintTitleBand(CDC& dc, SIZE client, const std::string& bandText);
