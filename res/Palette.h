// Palette.h - the colours the main window and its companion programs share.
#pragma once

#include <windows.h>

constexpr COLORREF kTitleDarkGreen = RGB(0, 100, 40);
constexpr COLORREF kTitleBrightGreen = RGB(0, 255, 25);
constexpr COLORREF kTitleTextColour = RGB(0, 255, 2);
constexpr COLORREF kListBackground = RGB(166, 204, 224);
constexpr int kBandStep = 10;

// Background colour of the band drawn at the top y (a multiple of kBandStep):
// the bands shade from blue towards cyan, wrapping past 255 in tall windows.
constexpr COLORREF BandColour(int top) {
    int k = top / kBandStep + 1;
    return RGB(0, (3 * k) % 256, (3 * k + 120) % 256);
}
