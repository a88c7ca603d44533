// CMenu: holds a menu handle and destroys the menu when it goes, unless detached.
// Item texts are UTF-8 (ModifyMenuW).
#pragma once

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    // A menu resource of the program (destroying any menu held before).
    BOOL LoadMenu(UINT resourceId);
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();

    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR newId, const char* utf8Text);
    BOOL SetMenuItemBitmaps(UINT position, UINT flags, HBITMAP unchecked, HBITMAP checked) {
        return ::SetMenuItemBitmaps(m_hMenu, position, flags, unchecked, checked);
    }
};
