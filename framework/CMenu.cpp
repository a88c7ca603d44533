// Menu handle holder; see CMenu.h.
#include "framework/CMenu.h"

#include "framework/Module.h"
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

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR newId, const char* utf8Text) {
    std::wstring text = Widen(utf8Text);
    return ::ModifyMenuW(m_hMenu, position, flags, newId, utf8Text ? text.c_str() : nullptr);
}
