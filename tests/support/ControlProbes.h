// What a list or a tooltip shows, read back the way a user would meet it, and
// the one thing tests do to a list that the program leaves to the user: select.
#pragma once

#include <windows.h>

#include <string>

// The image index of a list row, -1 when the row cannot be read.
int ListItemImage(HWND list, int row);
// Gives the row the state bits in `mask` (LVIS_SELECTED, LVIS_FOCUSED).
void SetListItemState(HWND list, int row, UINT state, UINT mask);
// The text a tooltip holds for the tool `toolId` of `owner`.
std::string TooltipText(HWND tooltip, HWND owner, UINT_PTR toolId);
// The area registered for that tool, in the owner's client coordinates.
bool TooltipRect(HWND tooltip, HWND owner, UINT_PTR toolId, RECT* rect);
