// CBmpMenuToolBar: the rows of a bitmap menu. Each menu item is one toolbar
// button on a line of its own; the toolbar paints every row itself (custom draw)
// and turns mouse and keyboard input into opened submenus and chosen commands.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/CGdiObject.h"
#include "framework/CToolBar.h"

class CBmpMenu;
class CDC;

// A copy of one menu item's description, with a text of its own.
struct BmpMenuItem {
    MENUITEMINFOW info{};
    std::wstring text;

    // Reads the item at `position` (state, identifier, submenu, check-mark
    // bitmaps, type, data and text).
    static std::unique_ptr<BmpMenuItem> Read(HMENU menu, int position);

    bool HasText() const { return info.dwTypeData != nullptr; }
    bool HasSubmenu() const { return info.hSubMenu != nullptr; }
    bool IsSeparator() const { return (info.fType & MFT_SEPARATOR) != 0; }
    // Grayed or disabled: the item cannot be chosen nor become hot.
    bool IsUnavailable() const { return (info.fState & 0x03) != 0; }
    // The character after the first "&" in upper case; 0 when there is none.
    wchar_t Mnemonic() const;
};

class CBmpMenuToolBar : public CToolBar {
    DECLARE_DYNAMIC(CBmpMenuToolBar)
public:
    CBmpMenuToolBar() = default;
    ~CBmpMenuToolBar() override;

    // Creates the hidden toolbar inside the menu window, in the system's menu font.
    BOOL Create(CBmpMenu* menu);

    // Adds the item's button at the end; the toolbar keeps the item until it goes.
    BOOL AddItem(std::unique_ptr<BmpMenuItem> item);
    // The item of the button at `index`; null when there is none.
    const BmpMenuItem* ItemAt(int index) const;
    // Command identifier of the button at `index`, or -1.
    int CommandAt(int index) const;
    // Lets the row clicked last be clicked again (its submenu was closed).
    void ForgetLastClick() { m_nLastClicked = -1; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    // Called for every custom-draw stage of the toolbar; paints the rows.
    virtual void OnCustomDraw(NMHDR* header, LRESULT* result);
    // Called for each mouse move over the toolbar.
    virtual void OnMouseMove(UINT flags, CPoint point);

    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    CBmpMenu* Menu() const;
    CWnd* MenuOwner() const;
    // Opens the submenu of the last hot item, or with `chooseItem` also
    // chooses a plain one.
    void ActivateLastHot(bool chooseItem);
    // A click on the row at `index`, from the mouse, a rest of the pointer or the
    // keyboard: opens its submenu or chooses its command. Rows that cannot be
    // chosen and the row clicked last (its submenu is open) take no click.
    void ClickRow(int index, bool byKeyboard);
    // `key` is a virtual-key code or a UTF-16 character.
    void SearchMnemonic(UINT key);
    void OfferKeyToOwner(UINT key);

    // Row painting (CBmpMenuRows.cpp).
    void DrawRow(CDC& dc, RECT rc, int command, bool hot, const BmpMenuItem& item);
    void NotifySelection(int command, const BmpMenuItem& item, UINT& state);
    void DrawItemBitmap(CDC& dc, const RECT& square, bool hot, HBITMAP bitmap, bool checked,
                        bool grayed);
    void DrawSubmenuArrow(CDC& dc, const RECT& rc, COLORREF color);

    int m_nLastHotCommand = -1;
    int m_nLastClicked = -1;
    CFont m_menuFont;
    int m_nHoverItem = -1;
    std::vector<std::unique_ptr<BmpMenuItem>> m_items;  // the buttons' data
};

// A copy of the bitmap for a row: monochrome when grayed, otherwise with the
// system's colours in place of black, dark grey, light grey and white.
HBITMAP RecolorBitmap(HBITMAP source, bool grayed, bool hot);
