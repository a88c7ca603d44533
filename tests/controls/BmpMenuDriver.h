// BmpMenuDriver.h - driving bitmap menus from a test. TrackBitmapMenu blocks the
// test's thread in the menu's own modal loop, so the test's steps run on a
// timer inside that loop and act as the user would: keys to the focused
// window, clicks and moves to the rows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CBmpMenu;

// The visible bitmap menus of this thread, the top-level one first.
std::vector<CBmpMenu*> OpenMenus();
int RowCount(CBmpMenu& menu);
// The row's text as it is drawn (UTF-8).
std::string RowText(CBmpMenu& menu, int row);
// The picture the row shows when unchecked (null: none).
HBITMAP RowPicture(CBmpMenu& menu, int row);
// The row's rectangle in the coordinates of the menu window's client area.
RECT RowRect(CBmpMenu& menu, int row);
int HotRow(CBmpMenu& menu);

// A key pressed on the keyboard: WM_KEYDOWN to the window with the focus.
void PressKey(UINT key);
// A left click in the middle of the row.
void ClickRow(CBmpMenu& menu, int row);

// Steps run one after the other on a 20 ms timer of the thread; a step returns
// false to be tried again on the next tick. When the steps have not finished
// in time, the test fails and every open menu is closed, so nothing hangs.
class MenuScript {
public:
    using Step = std::function<bool()>;
    explicit MenuScript(std::vector<Step> steps, DWORD timeoutMs = 8000);
    ~MenuScript();
    MenuScript(const MenuScript&) = delete;
    MenuScript& operator=(const MenuScript&) = delete;

    bool Finished() const { return m_next == m_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunSteps();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_started;
    DWORD m_timeoutMs;
    UINT_PTR m_timer;
    bool m_running = false;
};

// A step that waits until exactly `count` menus are open, then runs `action`
// on them (top-level first) once.
MenuScript::Step WhenMenusOpen(size_t count, std::function<void(std::vector<CBmpMenu*>&)> action);
// A step that waits until every menu has closed.
MenuScript::Step WhenAllClosed();
