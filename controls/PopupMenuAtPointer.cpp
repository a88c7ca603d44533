// PopupMenuAtPointer.cpp
#include "controls/PopupMenuAtPointer.h"

#include "controls/CBmpMenu.h"
#include "framework/CGdiObject.h"

namespace {

// The menu opens below the pointer so that the pointer does not cover its first row.
constexpr int kBelowPointer = 15;

// The resource is a bar holding one popup; the popup is taken out of it so the
// bar can go while the popup lives on in the bitmap menu.
HMENU TakeFirstPopup(UINT menuId) {
    CMenu resource;
    if (!resource.LoadMenu(menuId)) return nullptr;
    HMENU popup = resource.GetSubMenu(0);
    if (popup) RemoveMenu(resource, 0, MF_BYPOSITION);
    return popup;
}

}  // namespace

void ShowPopupMenuAtPointer(CWnd& owner, UINT menuId, const PopupStrip& strip,
                            const std::vector<PopupItemLook>& items) {
    // Declared before the menu, the pictures outlive it.
    CBitmap stripBitmap;
    if (strip.bitmapId) stripBitmap.LoadBitmap(strip.bitmapId);
    std::vector<CBitmap> pictures(items.size());

    CBmpMenu menu(strip.width, strip.inSubmenus, stripBitmap, strip.stretch);
    HMENU popup = TakeFirstPopup(menuId);
    if (!popup) return;
    menu.Attach(popup);
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
