// CBmpMenu: a popup menu drawn by the program itself. The items of an ordinary
// menu become the rows of a vertical toolbar inside a framed popup window, each
// with its picture, text and submenu arrow, with an optional picture strip along
// the left edge. It runs its own modal loop per menu level and hands the chosen
// command to its owner as a posted WM_COMMAND, like the system's menus.
//
//   CBitmap picture;                         // outlives the menu
//   picture.LoadBitmap(IDB_ITEM_ADD);
//   CBmpMenu menu(0, FALSE, nullptr, FALSE);
//   menu.Attach(popup);                      // the menu now owns `popup`
//   menu.SetItemBitmap(0, picture);
//   menu.TrackBitmapMenu(0, x, y, &owner, nullptr);   // returns once closed
#pragma once

#include <windows.h>

#include <memory>

#include "framework/CMenu.h"
#include "framework/CWnd.h"

class CBmpMenuToolBar;

// m_nMenuFlags bits.
constexpr UINT BMPMENU_SUBMENU = 0x01;
// The submenu was opened from the keyboard: its first item starts hot.
constexpr UINT BMPMENU_BYKEYBOARD = 0x100;

class CBmpMenu : public CWnd, public CMenu {
    DECLARE_DYNAMIC(CBmpMenu)
public:
    // The strip bitmap stays the caller's; a handle that is no bitmap means no strip.
    CBmpMenu(int stripWidth, BOOL stripInSubmenus, HBITMAP stripBitmap, BOOL stretchStrip);
    // Destroys the attached menu and the window.
    ~CBmpMenu() override;

    // Tells the owner the menu window is going, then destroys it.
    BOOL DestroyWindow() override;

    // Shows the menu with its top-left corner at (x, y) on the screen (moved where
    // the screen edges demand) and returns once it and its submenus have closed:
    // 1, or 0 when it could not be shown (no owner, owner gone, no window).
    // `flags` is ignored; `exclude` is the screen rectangle of the parent row of
    // a submenu, null for a top-level menu.
    int TrackBitmapMenu(UINT flags, int x, int y, CWnd* owner, const RECT* exclude);

    // Sets the bitmap as the picture of the item at `position` for both check
    // states, so it shows whatever the check state.
    BOOL SetItemBitmap(UINT position, HBITMAP bitmap);

    // Closes the whole chain from the top-level menu down, choosing nothing.
    void CloseMenuChain();
    // Closes the submenus open below this menu.
    void CloseSubmenus();
    // Opens the submenu of the row at `index` (keyboardFlag: BMPMENU_BYKEYBOARD
    // or 0) as soon as the handling of the current message is over, from this
    // menu's own loop, so that each open level is one loop inside the level above.
    void OpenSubmenu(int index, UINT keyboardFlag);
    // Chooses a command: posts it to the owner, then closes the whole chain, so
    // the owner runs it once every menu is gone.
    void Choose(UINT command);

    CWnd* GetMenuOwner() const { return m_pOwner; }
    // The menu window this submenu was opened from; null for a top-level menu.
    CBmpMenu* GetParentMenu() const;
    // The toolbar showing the rows; null while the menu is not shown.
    CBmpMenuToolBar* GetToolBar() const { return m_pToolBar.get(); }

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void OnPaint();
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnSysKeyDown(UINT key, UINT repeat, UINT flags);
    void OnActivate(UINT state, HWND other, BOOL minimized);
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateMenuWindow(CWnd* parent);
    void BuildButtons(int x, int y, const RECT* exclude);
    void PlaceMenu(int x, int y, const RECT* exclude, int width, int height);
    void CloseToolBarAndWindow();
    void RunSubmenu(int index, UINT keyboardFlag);

    CWnd* m_pOwner = nullptr;
    CBmpMenu* m_pOpenSubmenu = nullptr;
    HBITMAP m_hStripBitmap = nullptr;
    BOOL m_bStripInSubmenus;
    BOOL m_bStretchStrip;
    int m_nStripWidth;
    UINT m_nMenuFlags = 0;
    std::unique_ptr<CBmpMenuToolBar> m_pToolBar;
    // The submenu OpenSubmenu asked for: row index and keyboard flag.
    int m_nSubmenuToOpen = -1;
    UINT m_nSubmenuFlag = 0;
};

// The bitmap menu window a window handle belongs to, or null.
CBmpMenu* BmpMenuFromHandle(HWND hWnd);
