// BackgroundPicture.h - the picture behind the splash and the About box
#pragma once

#include <windows.h>

#include "framework/CDC.h"

// Tiles the background picture over the area from its top left corner, so it
// repeats only where the area is larger than the picture.
void FillWithBackgroundPicture(CDC& dc, const RECT& area);
