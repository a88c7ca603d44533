// CBmpMenu.cpp - the menu window: showing, placing, submenus and closing
#include "controls/CBmpMenu.h"

#include <algorithm>

#include "controls/CBmpMenuToolBar.h"
#include "framework/CDC.h"
#include "framework/Module.h"
#include "framework/WindowDC.h"

namespace {

const wchar_t kWindowClass[] = L"BitmapMenu";
constexpr DWORD kMenuExStyle =
    WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
constexpr DWORD kMenuStyle = WS_POPUP | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER;
// The result that ends a menu's loop for as long as the submenu it asked for is open.
constexpr int kSubmenuRequested = 2;
// The modal frame takes three pixels on each side.
constexpr int kFrame = 6;

bool IsBitmap(HBITMAP bitmap) { return bitmap && GetObjectType(bitmap) == OBJ_BITMAP; }

bool IsLiveWindow(const CWnd* wnd) { return wnd && wnd->m_hWnd && IsWindow(wnd->m_hWnd); }

}  // namespace

IMPLEMENT_DYNAMIC(CBmpMenu, CWnd)

BEGIN_MESSAGE_MAP(CBmpMenu, CWnd)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_COMMAND, OnCommandMessage)
END_MESSAGE_MAP()

CBmpMenu* BmpMenuFromHandle(HWND hWnd) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    return wnd && wnd->IsKindOf(RUNTIME_CLASS(CBmpMenu)) ? static_cast<CBmpMenu*>(wnd) : nullptr;
}

CBmpMenu::CBmpMenu(int stripWidth, BOOL stripInSubmenus, HBITMAP stripBitmap, BOOL stretchStrip)
    : m_hStripBitmap(IsBitmap(stripBitmap) ? stripBitmap : nullptr),
      m_bStripInSubmenus(stripInSubmenus),
      m_bStretchStrip(stretchStrip),
      m_nStripWidth(stripWidth) {}

CBmpMenu::~CBmpMenu() {
    CMenu::DestroyMenu();
    if (IsLiveWindow(this)) DestroyWindow();
}

BOOL CBmpMenu::DestroyWindow() {
    if (IsLiveWindow(m_pOwner)) m_pOwner->SendMessage(WM_EXITMENULOOP, 0, 0);
    if (CBmpMenu* parent = GetParentMenu()) parent->SetFocus();
    return CWnd::DestroyWindow();
}

BOOL CBmpMenu::SetItemBitmap(UINT position, HBITMAP bitmap) {
    return SetMenuItemBitmaps(position, MF_BYPOSITION, bitmap, bitmap);
}

CBmpMenu* CBmpMenu::GetParentMenu() const {
    return m_hWnd ? BmpMenuFromHandle(::GetParent(m_hWnd)) : nullptr;
}

// ---- Showing --------------------------------------------------------------------------

int CBmpMenu::TrackBitmapMenu(UINT, int x, int y, CWnd* owner, const RECT* exclude) {
    const bool topLevel = m_nMenuFlags == 0;
    if (topLevel) m_pOwner = owner;
    if (!IsLiveWindow(m_pOwner)) return 0;
    m_pOwner->SendMessage(topLevel ? WM_INITMENU : WM_INITMENUPOPUP,
                          reinterpret_cast<WPARAM>(m_hMenu), 0);
    if (!CreateMenuWindow(owner)) return 0;
    if (!topLevel) {
        if (CBmpMenu* parent = BmpMenuFromHandle(owner ? owner->m_hWnd : nullptr))
            parent->m_pOpenSubmenu = this;
    }

    BuildButtons(x, y, exclude);
    if (topLevel) m_pOwner->SetForegroundWindow();
    ShowWindow(SW_SHOWNA);
    SetFocus();
    if (m_nMenuFlags & BMPMENU_BYKEYBOARD) m_pToolBar->SetHotItem(0);
    m_nMenuFlags &= ~BMPMENU_BYKEYBOARD;
    if (IsLiveWindow(m_pOwner)) {
        m_pOwner->SendMessage(WM_ENTERMENULOOP, reinterpret_cast<WPARAM>(m_hMenu),
                              reinterpret_cast<LPARAM>(m_hWnd));
    }

    while (RunModalLoop() == kSubmenuRequested) RunSubmenu(m_nSubmenuToOpen, m_nSubmenuFlag);
    CloseToolBarAndWindow();
    return 1;
}

bool CBmpMenu::CreateMenuWindow(CWnd* parent) {
    if (!CreateEx(kMenuExStyle, nullptr, nullptr, kMenuStyle, 0, 0, 0, 0,
                  parent ? parent->m_hWnd : nullptr, nullptr)) {
        return false;
    }
    m_pToolBar = std::make_unique<CBmpMenuToolBar>();
    if (!m_pToolBar->Create(this)) {
        CloseToolBarAndWindow();
        return false;
    }
    return true;
}

// The item records go with the toolbar.
void CBmpMenu::CloseToolBarAndWindow() {
    if (m_pToolBar) {
        m_pToolBar->DestroyWindow();
        m_pToolBar.reset();
    }
    if (IsLiveWindow(this)) DestroyWindow();
}

BOOL CBmpMenu::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.lpszClass = nullptr;
    if (!CWnd::PreCreateWindow(cs)) return FALSE;
    WNDCLASSW menuClass;
    if (!GetClassInfoW(AfxGetInstanceHandle(), kWindowClass, &menuClass)) {
        if (!GetClassInfoW(AfxGetInstanceHandle(), cs.lpszClass, &menuClass)) return FALSE;
        menuClass.hInstance = AfxGetInstanceHandle();
        menuClass.lpszClassName = kWindowClass;
        if (!RegisterClassW(&menuClass)) return FALSE;
    }
    cs.lpszClass = kWindowClass;
    return TRUE;
}

void CBmpMenu::BuildButtons(int x, int y, const RECT* exclude) {
    CBmpMenuToolBar& bar = *m_pToolBar;
    const int checkWidth = GetSystemMetrics(SM_CXMENUCHECK);
    bar.SetBitmapSize(checkWidth, GetSystemMetrics(SM_CYMENUCHECK));
    // The count is read on every pass: it is the menu as it is now.
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        if (auto item = BmpMenuItem::Read(m_hMenu, position)) bar.AddItem(std::move(item));
    }
    const SIZE button = bar.GetButtonSize();
    bar.SetButtonWidth(button.cx + checkWidth, button.cx + checkWidth);

    CRect first;
    CRect last;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(bar.GetButtonCount() - 1, &last);
    const int rowsWidth = first.Width() + kFrame;
    const int rowsHeight = last.bottom - first.top + kFrame;
    PlaceMenu(x, y, exclude, rowsWidth + m_nStripWidth, rowsHeight);
    bar.MoveWindow(CRect(m_nStripWidth, 0, m_nStripWidth + rowsWidth, rowsHeight));
    bar.ShowWindow(SW_SHOWNOACTIVATE);
}

// Tries the places in order and takes the first that fits on the screen.
void CBmpMenu::PlaceMenu(int x, int y, const RECT* exclude, int width, int height) {
    CRect screen;
    ::GetWindowRect(GetDesktopWindow(), &screen);
    struct Place {
        int left;
        int top;
        bool fits;
    };
    auto moveTo = [&](const Place& place) {
        MoveWindow(CRect(place.left, place.top, place.left + width, place.top + height), TRUE);
    };
    const bool roomRightOfX = x + width < screen.right;
    const bool roomLeftOfX = x - width > screen.left;
    if (!exclude) {
        const Place places[] = {
            {x, y, roomRightOfX && y + height < screen.bottom},
            {x - width, y, roomLeftOfX && y + height < screen.bottom},
            {x, y - height, roomRightOfX && y - height > screen.top},
            {x - width, y - height, roomLeftOfX && y - height > screen.top},
        };
        for (const Place& place : places) {
            if (place.fits) return moveTo(place);
        }
        return moveTo({x, y, true});
    }
    const CRect row(*exclude);
    const bool roomRight = row.right + width < screen.right;
    const bool roomLeft = row.left - width > screen.left;
    const Place places[] = {
        {row.right, row.top, roomRight && row.top + height < screen.bottom},
        {row.right, row.bottom - height, roomRight && row.bottom - height > screen.top},
        {row.left - width, row.top, roomLeft && row.top + height < screen.bottom},
        {row.left - width, row.bottom - height, roomLeft && row.bottom - height > screen.top},
    };
    for (const Place& place : places) {
        if (place.fits) return moveTo(place);
    }
    // Nowhere fits (a menu taller or wider than the room beside its row): the
    // last place, pushed onto the screen, so the whole menu can be reached.
    const int left =
        std::max<int>(screen.left, std::min<int>(row.left - width, screen.right - width));
    const int top =
        std::max<int>(screen.top, std::min<int>(row.bottom - height, screen.bottom - height));
    moveTo({left, top, true});
}

// ---- Painting -------------------------------------------------------------------------

void CBmpMenu::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    if (!m_hStripBitmap) return;
    const CRect strip(0, 0, m_nStripWidth, client.bottom);
    if (m_bStretchStrip) {
        BITMAP info{};
        GetObjectW(m_hStripBitmap, sizeof info, &info);
        CDC source;
        source.CreateCompatibleDC(&dc);
        source.SelectObject(m_hStripBitmap);
        dc.StretchBlt(0, 0, strip.Width(), strip.Height(), &source, 0, 0, info.bmWidth,
                      info.bmHeight, SRCCOPY);
    } else {
        CBrush tiles;
        tiles.CreatePatternBrush(m_hStripBitmap);
        dc.FillRect(&strip, tiles);
    }
}

// ---- Messages -------------------------------------------------------------------------

// The deepest open menu takes the keys, wherever the focus is.
void CBmpMenu::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    CWnd* target = m_pOpenSubmenu ? static_cast<CWnd*>(m_pOpenSubmenu) : m_pToolBar.get();
    if (IsLiveWindow(target)) target->SendMessage(WM_KEYDOWN, key, MAKELPARAM(repeat, flags));
}

void CBmpMenu::OnSysKeyDown(UINT, UINT, UINT) {
    CloseMenuChain();
    Default();
}

// Losing the activation to anything but another menu of the chain (a submenu
// opening) closes the menu: the user went elsewhere.
void CBmpMenu::OnActivate(UINT state, HWND other, BOOL) {
    if (state != WA_INACTIVE) return;
    if (!other || !BmpMenuFromHandle(other)) CloseMenuChain();
}

LRESULT CBmpMenu::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
    if (IsLiveWindow(m_pOwner)) m_pOwner->PostMessage(WM_COMMAND, wParam, lParam);
    // The toolbar's own click (Space on the hot row) chooses like any other
    // way: the owner must not run the command under a menu still open.
    if (m_pToolBar && reinterpret_cast<HWND>(lParam) == m_pToolBar->m_hWnd) CloseMenuChain();
    return 0;
}

// ---- Submenus, choosing and closing -------------------------------------------------

void CBmpMenu::OpenSubmenu(int index, UINT keyboardFlag) {
    m_nSubmenuToOpen = index;
    m_nSubmenuFlag = keyboardFlag;
    EndModalLoop(kSubmenuRequested);
}

void CBmpMenu::RunSubmenu(int index, UINT keyboardFlag) {
    const BmpMenuItem* item = m_pToolBar->ItemAt(index);
    if (!item || !item->HasSubmenu()) return;
    const HMENU submenuHandle = item->info.hSubMenu;
    CRect row;
    m_pToolBar->GetItemRect(index, &row);
    m_pToolBar->ClientToScreen(&row);

    CBmpMenu submenu(m_bStripInSubmenus ? m_nStripWidth : 0, m_bStripInSubmenus,
                     m_bStripInSubmenus ? m_hStripBitmap : nullptr, m_bStretchStrip);
    submenu.m_pOwner = m_pOwner;
    submenu.Attach(submenuHandle);
    submenu.m_nMenuFlags = keyboardFlag | BMPMENU_SUBMENU;
    row.left -= m_nStripWidth;  // the whole row, its strip included
    submenu.TrackBitmapMenu(0, 0, 0, this, &row);
    submenu.Detach();  // the item's submenu belongs to this menu
    if (m_pOpenSubmenu == &submenu) m_pOpenSubmenu = nullptr;
}

void CBmpMenu::Choose(UINT command) {
    if (IsLiveWindow(m_pOwner)) m_pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0);
    CloseMenuChain();
}

void CBmpMenu::CloseMenuChain() {
    if (!IsLiveWindow(this)) return;
    if (CBmpMenu* parent = GetParentMenu()) parent->CloseMenuChain();
    if (!IsLiveWindow(this)) return;
    CloseSubmenus();
    EndModalLoop(0);
    m_pOpenSubmenu = nullptr;
}

void CBmpMenu::CloseSubmenus() {
    if (!m_pOpenSubmenu) return;
    m_pOpenSubmenu->CloseSubmenus();
    m_pOpenSubmenu->EndModalLoop(0);
    m_pOpenSubmenu = nullptr;
}
