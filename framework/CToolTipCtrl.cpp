// Tooltip control; see CToolTipCtrl.h.
#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

#include "framework/Text.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The version-2 size is understood by every comctl32 (5.8 and 6), whereas the
// full size of this SDK's TOOLINFO is refused by 5.8.
TTTOOLINFOW ToolInfo(HWND owner, UINT_PTR toolId) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = toolId;
    return info;
}

}  // namespace

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* utf8Text, const RECT* rect, UINT_PTR toolId) {
    std::wstring text = Widen(utf8Text);
    TTTOOLINFOW info = ToolInfo(wnd->m_hWnd, toolId);
    info.lpszText = &text[0];
    if (rect) info.rect = *rect;
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(const char* utf8Text, CWnd* wnd, UINT_PTR toolId) {
    std::wstring text = Widen(utf8Text);
    TTTOOLINFOW info = ToolInfo(wnd->m_hWnd, toolId);
    info.lpszText = &text[0];
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}
