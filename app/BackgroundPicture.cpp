// BackgroundPicture.cpp
#include "app/BackgroundPicture.h"

#include "framework/CGdiObject.h"
#include "res/resource.h"

void FillWithBackgroundPicture(CDC& dc, const RECT& area) {
    CBitmap background;
    background.LoadBitmap(IDB_BACKGROUND);
    CBrush pattern;
    pattern.CreatePatternBrush(background);
    dc.FillRect(&area, pattern);
}
