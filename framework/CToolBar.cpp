// Toolbar control; see CToolBar.h.
#include "framework/CToolBar.h"

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

BOOL CToolBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD barStyle, const RECT&, UINT id) {
    DWORD style = WS_CHILD | (barStyle & 0xFFFF0000) | controlStyle | CCS_NODIVIDER | CCS_NORESIZE |
                  CCS_NOPARENTALIGN;
    if (!CWnd::CreateEx(0, "ToolbarWindow32", nullptr, style, 0, 0, 0, 0,
                        parent ? parent->m_hWnd : nullptr,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)))) {
        return FALSE;
    }
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

SIZE CToolBar::GetButtonSize() const {
    DWORD size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    return SIZE{LOWORD(size), HIWORD(size)};
}
