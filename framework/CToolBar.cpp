// Toolbar control; see CToolBar.h.
#include "framework/CToolBar.h"

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

BOOL CToolBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD barStyle, const RECT&, UINT id) {
    m_barStyle = barStyle & 0xFFFF;
    DWORD style = WS_CHILD | (barStyle & 0xFFFF0000) | controlStyle | CCS_NODIVIDER |
                  CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (!CWnd::CreateEx(0, "ToolbarWindow32", nullptr, style, 0, 0, 0, 0,
                        parent ? parent->m_hWnd : nullptr,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)))) {
        return FALSE;
    }
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

int CToolBar::GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }

BOOL CToolBar::AddButtons(int count, const TBBUTTON* buttons) {
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(count),
                                         reinterpret_cast<LPARAM>(buttons)));
}

BOOL CToolBar::GetButton(int index, TBBUTTON* button) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(button)));
}

int CToolBar::CommandToIndex(UINT command) const {
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, command));
}

BOOL CToolBar::GetItemRect(int index, RECT* rect) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

int CToolBar::HitTest(POINT point) const {
    return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
}

int CToolBar::GetHotItem() const { return static_cast<int>(SendMessage(TB_GETHOTITEM)); }

int CToolBar::SetHotItem(int index) {
    return static_cast<int>(SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(index)));
}

BOOL CToolBar::SetBitmapSize(int width, int height) {
    return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height)));
}

SIZE CToolBar::GetButtonSize() const {
    DWORD size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    return SIZE{LOWORD(size), HIWORD(size)};
}

BOOL CToolBar::SetButtonWidth(int minWidth, int maxWidth) {
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(minWidth, maxWidth)));
}

DWORD CToolBar::SetExtendedStyle(DWORD exStyle) {
    return static_cast<DWORD>(SendMessage(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(exStyle)));
}
