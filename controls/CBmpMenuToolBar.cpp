// CBmpMenuToolBar.cpp - the rows' items, mouse and keyboard
#include "controls/CBmpMenuToolBar.h"

#include <algorithm>
#include <cwctype>

#include "controls/CBmpMenu.h"

namespace {

// The item description without hbmpItem (the 44-byte form), asking for state,
// identifier, submenu, check-mark bitmaps, type and data.
constexpr UINT kItemInfoSize = 44;
constexpr UINT kItemInfoMask =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;

// The last mouse position any bitmap menu saw. Windows appearing under a still
// pointer produce moves to where it already was; those must not steal the hot
// item from the keyboard.
CPoint g_lastMousePosition;

}  // namespace

// ---- Items ------------------------------------------------------------------------------

std::unique_ptr<BmpMenuItem> BmpMenuItem::Read(HMENU menu, int position) {
    auto item = std::make_unique<BmpMenuItem>();
    MENUITEMINFOW& info = item->info;
    info.cbSize = kItemInfoSize;
    info.fMask = kItemInfoMask;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return nullptr;
    if (info.fType & (MFT_BITMAP | MFT_SEPARATOR | MFT_OWNERDRAW)) {
        info.dwTypeData = nullptr;
        return item;
    }
    // Asked first for its length, the text is read whole, however long.
    item->text.assign(info.cch + 1, L'\0');
    info.cch = static_cast<UINT>(item->text.size());
    info.dwTypeData = &item->text[0];
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return nullptr;
    item->text.resize(info.cch);
    info.dwTypeData = &item->text[0];
    return item;
}

wchar_t BmpMenuItem::Mnemonic() const {
    if (!HasText()) return 0;
    const size_t ampersand = text.find(L'&');
    if (ampersand == std::wstring::npos || ampersand + 1 >= text.size()) return 0;
    return static_cast<wchar_t>(std::towupper(text[ampersand + 1]));
}

// ---- Toolbar ----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CBmpMenuToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CBmpMenuToolBar, CToolBar)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_MOUSEMOVE()
    ON_WM_CHAR()
    ON_MESSAGE(WM_BMPMENU_CLICK, OnBmpMenuClick)
END_MESSAGE_MAP()

CBmpMenuToolBar::~CBmpMenuToolBar() = default;

BOOL CBmpMenuToolBar::AddItem(std::unique_ptr<BmpMenuItem> item) {
    TBBUTTON button{};
    button.iBitmap = 0;
    button.idCommand = static_cast<int>(item->info.wID);
    button.fsState = static_cast<BYTE>(item->IsUnavailable() ? TBSTATE_WRAP
                                                             : TBSTATE_ENABLED | TBSTATE_WRAP);
    button.fsStyle = static_cast<BYTE>(item->IsSeparator() ? TBSTYLE_SEP : 0);
    button.dwData = reinterpret_cast<DWORD_PTR>(item.get());
    // The wide text, so the row is measured with the characters it shows.
    button.iString = item->HasText() ? reinterpret_cast<INT_PTR>(item->text.c_str()) : -1;
    m_items.push_back(std::move(item));
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button)));
}

const BmpMenuItem* CBmpMenuToolBar::ItemAt(int index) const {
    if (index < 0 || index >= GetButtonCount()) return nullptr;
    TBBUTTON button{};
    if (!GetButton(index, &button)) return nullptr;
    return reinterpret_cast<const BmpMenuItem*>(button.dwData);
}

int CBmpMenuToolBar::CommandAt(int index) const {
    TBBUTTON button{};
    if (index < 0 || !GetButton(index, &button)) return -1;
    return button.idCommand;
}

CBmpMenu* CBmpMenuToolBar::Menu() const {
    return BmpMenuFromHandle(::GetParent(m_hWnd));
}

CWnd* CBmpMenuToolBar::MenuOwner() const {
    CBmpMenu* menu = Menu();
    return menu ? menu->GetMenuOwner() : nullptr;
}

int CBmpMenuToolBar::OnCreate(LPCREATESTRUCTA cs) {
    cs->style &= ~WS_VISIBLE;
    if (Default() == -1) return -1;
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        m_menuFont.CreateFontIndirect(metrics.lfMenuFont)) {
        SetFont(m_menuFont, TRUE);
    }
    return 0;
}

LRESULT CBmpMenuToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEHOVER) {
        OnMouseHover();
    } else if (message == WM_BMPMENU_RESETCLICK) {
        m_nLastClicked = -1;
    }
    return CToolBar::WindowProc(message, wParam, lParam);
}

// ---- Mouse ------------------------------------------------------------------------------

void CBmpMenuToolBar::OnMouseMove(UINT, CPoint point) {
    const int index = HitTest(point);
    const BmpMenuItem* item = ItemAt(index);
    if (item && item->IsUnavailable()) return;
    if (point == g_lastMousePosition) return;
    g_lastMousePosition = point;
    if (item && index != m_nHoverItem) {
        m_ptHover = point;
        m_nHoverItem = index;
        // Leave tracking is asked for too: the toolbar keeps a request that
        // has it, where a request of its own would replace the hover one.
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, m_hWnd, 0};
        _TrackMouseEvent(&track);
    }
    Default();
}

// Resting on an item opens its submenu; resting on a plain item closes the
// submenu opened from another one.
void CBmpMenuToolBar::OnMouseHover() {
    const BmpMenuItem* item = ItemAt(m_nHoverItem);
    if (!item) return;
    if (item->HasSubmenu()) {
        const LPARAM point = MAKELPARAM(m_ptHover.x, m_ptHover.y);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessage(WM_LBUTTONUP, MK_LBUTTON, point);
        return;
    }
    if (CBmpMenu* menu = Menu()) menu->CloseSubmenus();
    m_nLastClicked = -1;
}

// Never passed on: a menu row shows no pressed look and takes no capture.
void CBmpMenuToolBar::OnLButtonDown(UINT flags, CPoint point) {
    const int index = HitTest(point);
    const BmpMenuItem* item = ItemAt(index);
    if (!item || item->IsUnavailable() || index == m_nLastClicked) return;
    if (CBmpMenu* menu = Menu()) menu->CloseSubmenus();
    PostMessage(WM_BMPMENU_CLICK, flags, MAKELPARAM(point.x, point.y));
    m_nLastClicked = index;
}

LRESULT CBmpMenuToolBar::OnBmpMenuClick(WPARAM keyState, LPARAM point) {
    const int index = HitTest(CPoint::FromLParam(point));
    const BmpMenuItem* item = ItemAt(index);
    CBmpMenu* menu = Menu();
    if (!item || !menu) return 0;
    if (item->HasSubmenu()) {
        menu->SendMessage(WM_BMPMENU_OPENSUB, static_cast<WPARAM>(point),
                          static_cast<LPARAM>(keyState & BMPMENU_BYKEYBOARD));
        return 0;
    }
    if (CWnd* owner = menu->GetMenuOwner())
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(CommandAt(index), 0), 0);
    menu->CloseMenuChain();
    return 0;
}

void CBmpMenuToolBar::ClickButton(int index, UINT keyState) {
    CRect button;
    GetItemRect(index, &button);
    const LPARAM point = MAKELPARAM(button.left + 1, button.top + 1);
    SendMessage(WM_LBUTTONDOWN, keyState, point);
    SendMessage(WM_LBUTTONUP, keyState, point);
}

// ---- Keyboard ---------------------------------------------------------------------------

void CBmpMenuToolBar::OnKeyDown(UINT key, UINT, UINT) {
    CBmpMenu* menu = Menu();
    switch (key) {
    case VK_ESCAPE:
        if (menu) menu->CloseMenuChain();
        return;
    case VK_LEFT:
        if (CBmpMenu* parent = menu ? menu->GetParentMenu() : nullptr) {
            parent->CloseSubmenus();
            parent->SendMessage(WM_BMPMENU_RESETCLICK);
        }
        return;
    case VK_RIGHT:
        ActivateLastHot(false);
        return;
    case VK_RETURN:
        ActivateLastHot(true);
        return;
    default:
        SearchMnemonic(key);
        Default();  // the toolbar moves its hot item with the arrow keys
        return;
    }
}

void CBmpMenuToolBar::OnChar(UINT ch, UINT, UINT) {
    SearchMnemonic(ch);
}

void CBmpMenuToolBar::ActivateLastHot(bool chooseItem) {
    if (m_nLastHotCommand == -1) return;
    const int index = CommandToIndex(static_cast<UINT>(m_nLastHotCommand));
    const BmpMenuItem* item = ItemAt(index);
    if (!item || (!item->HasSubmenu() && !chooseItem)) return;
    m_nLastClicked = -1;
    ClickButton(index, MK_LBUTTON | BMPMENU_BYKEYBOARD);
}

void CBmpMenuToolBar::SearchMnemonic(UINT key) {
    const wchar_t wanted = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(key)));
    std::vector<int> matches;
    const int count = GetButtonCount();
    for (int index = 0; index < count; ++index) {
        const BmpMenuItem* item = ItemAt(index);
        if (item && item->Mnemonic() != 0 && item->Mnemonic() == wanted) matches.push_back(index);
    }
    const int hot = GetHotItem();
    if (matches.empty()) {
        OfferKeyToOwner(key);
    } else if (matches.size() == 1) {
        SetHotItem(matches.front());
        m_nLastClicked = -1;
        ClickButton(matches.front(), MK_LBUTTON);
    } else {
        // Several items share the letter: each press moves on to the next one.
        auto next = std::find_if(matches.begin(), matches.end(), [hot](int index) {
            return index > hot;
        });
        SetHotItem(next != matches.end() ? *next : matches.front());
    }
}

void CBmpMenuToolBar::OfferKeyToOwner(UINT key) {
    CBmpMenu* menu = Menu();
    CWnd* owner = MenuOwner();
    if (!menu || !owner) return;
    const LRESULT answer = owner->SendMessage(WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP),
                                              reinterpret_cast<LPARAM>(menu->m_hMenu));
    switch (HIWORD(answer)) {
    case MNC_CLOSE:
        menu->CloseMenuChain();
        break;
    case MNC_EXECUTE:
        owner->SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(answer), 0), 0);
        break;
    default:
        break;
    }
}
