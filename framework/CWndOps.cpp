// CWnd's thin window operations; see CWnd.h.
#include "framework/CWnd.h"

#include <algorithm>
#include <vector>

#include "framework/Module.h"
#include "framework/Text.h"

void CWnd::SetWindowText(const char* utf8Text) {
    ::SetWindowTextW(m_hWnd, Widen(utf8Text).c_str());
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    int copied = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return Utf8FromWide(std::wstring(buffer.data(), static_cast<size_t>(std::max(copied, 0))));
}

void CWnd::CenterWindow() {
    RECT workArea;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT area = workArea;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &area);
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    LONG width = window.right - window.left;
    LONG height = window.bottom - window.top;
    LONG x = area.left + (area.right - area.left - width) / 2;
    LONG y = area.top + (area.bottom - area.top - height) / 2;
    x = std::max(workArea.left, std::min(x, workArea.right - width));
    y = std::max(workArea.top, std::min(y, workArea.bottom - height));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    if (swpFlags) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    }
    return TRUE;
}

int CWnd::MessageBox(const char* utf8Text, const char* utf8Caption, UINT type) {
    std::wstring caption = Widen(utf8Caption ? utf8Caption : AfxGetAppName());
    return ::MessageBoxW(m_hWnd, Widen(utf8Text).c_str(), caption.c_str(), type);
}
