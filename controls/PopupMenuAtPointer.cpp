// PopupMenuAtPointer.cpp
#include "controls/PopupMenuAtPointer.h"

#include "controls/CBmpMenu.h"
#include "framework/CGdiObject.h"

namespace {

// The menu opens below the pointer so that the pointer does not cover its first row.
constexpr int kBelowPointer = 15;

}  // namespace

void ShowPopupMenuAtPointer(CWnd& owner, UINT menuId, const PopupStrip& strip,
                            const std::vector<PopupItemLook>& items) {
    // Declared before the menu, the pictures outlive it.
    CBitmap stripBitmap;
    if (strip.bitmapId) stripBitmap.LoadBitmap(strip.bitmapId);
    std::vector<CBitmap> pictures(items.size());

    CBmpMenu menu(strip.width, strip.inSubmenus, stripBitmap, strip.stretch);
    // The resource's own items are the menu's rows.
    if (!menu.LoadMenu(menuId)) return;
    for (size_t position = 0; position < items.size(); ++position) {
        const PopupItemLook& item = items[position];
        if (item.bitmapId && pictures[position].LoadBitmap(item.bitmapId))
            menu.SetItemBitmap(static_cast<UINT>(position), pictures[position]);
    }
    for (const PopupItemLook& item : items) {
        if (item.utf8Text)
            menu.ModifyMenu(item.command, MF_BYCOMMAND | MF_STRING, item.command, item.utf8Text);
    }
    POINT pointer{0, 0};
    GetCursorPos(&pointer);
    menu.TrackBitmapMenu(0, pointer.x, pointer.y + kBelowPointer, &owner, nullptr);
}
