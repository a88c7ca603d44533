// Report-view list control; see CListCtrl.h.
#include "framework/CListCtrl.h"

#include <commctrl.h>

#include <vector>

#include "framework/CImageList.h"
#include "framework/Text.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

int CListCtrl::InsertColumn(int column, const char* utf8Caption, int format, int width) {
    std::wstring caption = Widen(utf8Caption);
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    info.fmt = format;
    info.pszText = &caption[0];
    info.iSubItem = column;
    if (width >= 0) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                                        reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::InsertItem(int index, const std::string& utf8Text) {
    std::wstring text = Widen(utf8Text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = &text[0];
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::InsertItem(int index, const std::string& utf8Text, int image) {
    std::wstring text = Widen(utf8Text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = &text[0];
    item.iImage = image;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& utf8Text) {
    std::wstring text = Widen(utf8Text);
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = &text[0];
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

// The control copies at most the buffer it is given, so the buffer grows until
// the text no longer fills it.
std::string CListCtrl::GetItemText(int item, int subItem) const {
    std::vector<wchar_t> buffer(264);
    for (;;) {
        LVITEMW info{};
        info.iSubItem = subItem;
        info.pszText = buffer.data();
        info.cchTextMax = static_cast<int>(buffer.size());
        int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                                  reinterpret_cast<LPARAM>(&info)));
        if (length < static_cast<int>(buffer.size()) - 1)
            return Utf8FromWide(std::wstring(info.pszText, length));
        buffer.resize(buffer.size() * 2);
    }
}

int CListCtrl::FindItem(const std::string& utf8Text, int start) const {
    std::wstring text = Widen(utf8Text);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    return static_cast<int>(
        SendMessage(LVM_FINDITEMW, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(&find)));
}
