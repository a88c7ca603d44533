// CBmpMenuToolBar.cpp - the rows' items, mouse and keyboard
#include "controls/CBmpMenuToolBar.h"

#include <algorithm>

#include "controls/CBmpMenu.h"

namespace {

constexpr DWORD kToolBarStyle =
    TBSTYLE_WRAPABLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_CUSTOMERASE;
// WS_CLIPCHILDREN plus the bar bits for tool tips, dynamic size, hide-in-place
// and multi-float.
constexpr DWORD kToolBarBarStyle = 0x0200005C;
constexpr UINT kToolBarId = 0xE800;

// State, identifier, submenu, check-mark bitmaps, type and data.
constexpr UINT kItemInfoMask =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;

// The last mouse position any bitmap menu saw. Windows appearing under a still
// pointer produce moves to where it already was; those must not steal the hot
// item from the keyboard.
CPoint g_lastMousePosition;

wchar_t UpperCase(wchar_t ch) {
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
        CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch)))));
}

}  // namespace

// ---- Items ------------------------------------------------------------------------------

std::unique_ptr<BmpMenuItem> BmpMenuItem::Read(HMENU menu, int position) {
    auto item = std::make_unique<BmpMenuItem>();
    MENUITEMINFOW& info = item->info;
    info.cbSize = sizeof info;
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
    return UpperCase(text[ampersand + 1]);
}

// ---- Toolbar ----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CBmpMenuToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CBmpMenuToolBar, CToolBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CBmpMenuToolBar::~CBmpMenuToolBar() = default;

BOOL CBmpMenuToolBar::Create(CBmpMenu* menu) {
    if (!CreateEx(menu, kToolBarStyle, kToolBarBarStyle, CRect(), kToolBarId)) return FALSE;
    SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        m_menuFont.CreateFontIndirect(metrics.lfMenuFont)) {
        SetFont(m_menuFont, TRUE);
    }
    return TRUE;
}

BOOL CBmpMenuToolBar::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style &= ~WS_VISIBLE;
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return CToolBar::PreCreateWindow(cs);
}

BOOL CBmpMenuToolBar::AddItem(std::unique_ptr<BmpMenuItem> item) {
    TBBUTTON button{};
    button.iBitmap = 0;
    button.idCommand = static_cast<int>(item->info.wID);
    button.fsState =
        static_cast<BYTE>(item->IsUnavailable() ? TBSTATE_WRAP : TBSTATE_ENABLED | TBSTATE_WRAP);
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

CBmpMenu* CBmpMenuToolBar::Menu() const { return BmpMenuFromHandle(::GetParent(m_hWnd)); }

CWnd* CBmpMenuToolBar::MenuOwner() const {
    CBmpMenu* menu = Menu();
    return menu ? menu->GetMenuOwner() : nullptr;
}

// ---- Mouse ------------------------------------------------------------------------------

void CBmpMenuToolBar::OnMouseMove(UINT, CPoint point) {
    const int index = HitTest(point);
    const BmpMenuItem* item = ItemAt(index);
    if (item && item->IsUnavailable()) return;
    if (point == g_lastMousePosition) return;
    g_lastMousePosition = point;
    if (item && index != m_nHoverItem) {
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
void CBmpMenuToolBar::OnMouseHover(UINT, CPoint) {
    if (const BmpMenuItem* item = ItemAt(m_nHoverItem)) {
        if (item->HasSubmenu()) {
            ClickRow(m_nHoverItem, false);
        } else {
            if (CBmpMenu* menu = Menu()) menu->CloseSubmenus();
            m_nLastClicked = -1;
        }
    }
    Default();
}

// Never passed on: a menu row shows no pressed look and takes no capture.
void CBmpMenuToolBar::OnLButtonDown(UINT, CPoint point) { ClickRow(HitTest(point), false); }

void CBmpMenuToolBar::ClickRow(int index, bool byKeyboard) {
    const BmpMenuItem* item = ItemAt(index);
    CBmpMenu* menu = Menu();
    if (!item || !menu || item->IsUnavailable() || index == m_nLastClicked) return;
    menu->CloseSubmenus();
    m_nLastClicked = index;
    if (item->HasSubmenu()) {
        menu->OpenSubmenu(index, byKeyboard ? BMPMENU_BYKEYBOARD : 0);
    } else {
        menu->Choose(static_cast<UINT>(CommandAt(index)));
    }
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
            if (parent->GetToolBar()) parent->GetToolBar()->ForgetLastClick();
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

void CBmpMenuToolBar::OnChar(UINT ch, UINT, UINT) { SearchMnemonic(ch); }

void CBmpMenuToolBar::ActivateLastHot(bool chooseItem) {
    if (m_nLastHotCommand == -1) return;
    const int index = CommandToIndex(static_cast<UINT>(m_nLastHotCommand));
    const BmpMenuItem* item = ItemAt(index);
    if (!item || (!item->HasSubmenu() && !chooseItem)) return;
    m_nLastClicked = -1;
    ClickRow(index, true);
}

void CBmpMenuToolBar::SearchMnemonic(UINT key) {
    const wchar_t wanted = UpperCase(static_cast<wchar_t>(key));
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
        ClickRow(matches.front(), false);
    } else {
        // Several items share the letter: each press moves on to the next one.
        auto next =
            std::find_if(matches.begin(), matches.end(), [hot](int index) { return index > hot; });
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
        menu->Choose(LOWORD(answer));
        break;
    default:
        break;
    }
}
