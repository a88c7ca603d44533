// Menu handle holder; see CMenu.h.
#include "framework/CMenu.h"

#include "framework/CWinApp.h"
#include "framework/Text.h"

BOOL CMenu::LoadMenu(UINT resourceId) {
    DestroyMenu();
    m_hMenu = ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(resourceId));
    return m_hMenu != nullptr;
}

BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu || !menu) return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    BOOL destroyed = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return destroyed;
}

int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

HMENU CMenu::GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR newId, const char* utf8Text) {
    std::wstring text = Widen(utf8Text);
    return ::ModifyMenuW(m_hMenu, position, flags, newId, utf8Text ? text.c_str() : nullptr);
}

BOOL CMenu::SetMenuItemBitmaps(UINT position, UINT flags, HBITMAP unchecked, HBITMAP checked) {
    return ::SetMenuItemBitmaps(m_hMenu, position, flags, unchecked, checked);
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, flags));
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, flags));
}
