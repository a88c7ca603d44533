// Tooltip control; see CToolTipCtrl.h.
#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

#include <vector>

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

// Tool texts are limited by the control to this many characters.
constexpr size_t kMaxTipText = 1024;

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

std::string CToolTipCtrl::GetText(CWnd* wnd, UINT_PTR toolId) const {
    std::vector<wchar_t> buffer(kMaxTipText + 1, L'\0');
    TTTOOLINFOW info = ToolInfo(wnd->m_hWnd, toolId);
    info.lpszText = buffer.data();
    SendMessage(TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
    buffer.back() = L'\0';
    return Utf8FromWide(buffer.data());
}

BOOL CToolTipCtrl::GetToolRect(CWnd* wnd, UINT_PTR toolId, RECT* rect) const {
    TTTOOLINFOW info = ToolInfo(wnd->m_hWnd, toolId);
    if (!SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) return FALSE;
    *rect = info.rect;
    return TRUE;
}
