// BmpMenuDriver.cpp
#include "tests/controls/BmpMenuDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/CBmpMenu.h"
#include "controls/CBmpMenuToolBar.h"
#include "framework/Text.h"

namespace {

MenuScript* g_script = nullptr;

int Depth(CBmpMenu* menu) {
    int depth = 0;
    for (CBmpMenu* parent = menu->GetParentMenu(); parent; parent = parent->GetParentMenu())
        ++depth;
    return depth;
}

BOOL CALLBACK CollectMenu(HWND window, LPARAM context) {
    CBmpMenu* menu = BmpMenuFromHandle(window);
    if (menu && IsWindowVisible(window))
        reinterpret_cast<std::vector<CBmpMenu*>*>(context)->push_back(menu);
    return TRUE;
}

const BmpMenuItem& Item(CBmpMenu& menu, int row) {
    const BmpMenuItem* item = menu.GetToolBar()->ItemAt(row);
    if (!item) throw std::out_of_range("no row " + std::to_string(row));
    return *item;
}

}  // namespace

std::vector<CBmpMenu*> OpenMenus() {
    std::vector<CBmpMenu*> menus;
    EnumThreadWindows(GetCurrentThreadId(), &CollectMenu, reinterpret_cast<LPARAM>(&menus));
    std::stable_sort(menus.begin(), menus.end(),
                     [](CBmpMenu* a, CBmpMenu* b) { return Depth(a) < Depth(b); });
    return menus;
}

int RowCount(CBmpMenu& menu) { return menu.GetToolBar()->GetButtonCount(); }

std::string RowText(CBmpMenu& menu, int row) { return Utf8FromWide(Item(menu, row).text); }

HBITMAP RowPicture(CBmpMenu& menu, int row) { return Item(menu, row).info.hbmpUnchecked; }

RECT RowRect(CBmpMenu& menu, int row) {
    RECT rect{};
    menu.GetToolBar()->GetItemRect(row, &rect);
    MapWindowPoints(*menu.GetToolBar(), menu, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int HotRow(CBmpMenu& menu) { return menu.GetToolBar()->GetHotItem(); }

void PressKey(UINT key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 1); }

void ClickRow(CBmpMenu& menu, int row) {
    RECT rect{};
    menu.GetToolBar()->GetItemRect(row, &rect);
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    menu.GetToolBar()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
    menu.GetToolBar()->PostMessage(WM_LBUTTONUP, 0, point);
}

MenuScript::MenuScript(std::vector<Step> steps, DWORD timeoutMs)
    : m_steps(std::move(steps)), m_started(GetTickCount()), m_timeoutMs(timeoutMs) {
    g_script = this;
    m_timer = SetTimer(nullptr, 0, 20, &MenuScript::Tick);
}

MenuScript::~MenuScript() {
    KillTimer(nullptr, m_timer);
    g_script = nullptr;
}

void CALLBACK MenuScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_script) g_script->RunSteps();
}

void MenuScript::RunSteps() {
    if (m_running) return;  // a step that pumps messages must not start the next one
    m_running = true;
    // One step per tick: what a step posted is handled and painted before the next.
    if (!Finished() && m_steps[m_next]()) ++m_next;
    if (!Finished() && GetTickCount() - m_started > m_timeoutMs) {
        ADD_FAILURE() << "menu script stopped at step " << m_next;
        m_next = m_steps.size();
        for (CBmpMenu* menu : OpenMenus()) menu->CloseMenuChain();
    }
    m_running = false;
}

MenuScript::Step WhenMenusOpen(size_t count, std::function<void(std::vector<CBmpMenu*>&)> action) {
    return [count, action] {
        std::vector<CBmpMenu*> menus = OpenMenus();
        if (menus.size() != count) return false;
        action(menus);
        return true;
    };
}

MenuScript::Step WhenAllClosed() {
    return [] { return OpenMenus().empty(); };
}
