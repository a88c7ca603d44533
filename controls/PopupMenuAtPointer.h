// PopupMenuAtPointer.h - shows one of the program's menu resources as a bitmap
// menu just below the mouse pointer, with a picture and a text for each item
#pragma once

#include <windows.h>

#include <vector>

class CWnd;

// One item of the menu, by position: its picture (0: none; shown for both check
// states) and its new text (null: the resource's own), set by command.
struct PopupItemLook {
    UINT command;
    UINT bitmapId;
    const char* utf8Text;
};

// The picture strip along the menu's left edge.
struct PopupStrip {
    int width = 0;
    BOOL inSubmenus = FALSE;
    UINT bitmapId = 0;     // 0: no picture
    BOOL stretch = FALSE;  // FALSE: tiled
};

// Shows menu resource `menuId`, a flat list of commands, with its top-left
// corner at the pointer's x and 15 pixels below its y, owned by `owner`, and
// returns once it has closed. The chosen command reaches the owner afterwards as a posted
// WM_COMMAND; the pictures are released before that.
void ShowPopupMenuAtPointer(CWnd& owner, UINT menuId, const PopupStrip& strip,
                            const std::vector<PopupItemLook>& items);
