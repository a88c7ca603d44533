#include "tests/support/ControlProbes.h"

#include <commctrl.h>

#include <vector>

#include "framework/Text.h"

namespace {

TTTOOLINFOW ToolInfo(HWND owner, UINT_PTR toolId) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // what every comctl32 accepts
    info.hwnd = owner;
    info.uId = toolId;
    return info;
}

}  // namespace

int ListItemImage(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage;
}

void SetListItemState(HWND list, int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string TooltipText(HWND tooltip, HWND owner, UINT_PTR toolId) {
    std::vector<wchar_t> buffer(1025, L'\0');
    TTTOOLINFOW info = ToolInfo(owner, toolId);
    info.lpszText = buffer.data();
    SendMessageW(tooltip, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
    buffer.back() = L'\0';
    return Utf8FromWide(buffer.data());
}

bool TooltipRect(HWND tooltip, HWND owner, UINT_PTR toolId, RECT* rect) {
    TTTOOLINFOW info = ToolInfo(owner, toolId);
    if (!SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) return false;
    *rect = info.rect;
    return true;
}
