// CListCtrl: a report-view list control. Column captions and item texts are UTF-8,
// shown through the W messages, so a row can hold any path the file system names.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CWnd.h"

#include "framework/CImageList.h"

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    int InsertColumn(int column, const char* utf8Caption, int format = LVCFMT_LEFT, int width = -1);
    BOOL DeleteColumn(int column) {
        return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(column)));
    }

    // Inserts a row with its text (column 0); returns its index or -1.
    int InsertItem(int index, const std::string& utf8Text);
    // Inserts a row with text and image (LVIF_TEXT | LVIF_IMAGE).
    int InsertItem(int index, const std::string& utf8Text, int image);
    BOOL SetItemText(int item, int subItem, const std::string& utf8Text);
    std::string GetItemText(int item, int subItem) const;
    BOOL DeleteItem(int item) {
        return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // LVNI_ flags, e.g. GetNextItem(-1, LVNI_SELECTED).
    int GetNextItem(int start, int flags) const {
        return static_cast<int>(
            SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    // Whole-text, case-insensitive search of column 0 (LVFI_STRING) after `start`
    // (-1: the whole list). Returns the row or -1.
    int FindItem(const std::string& utf8Text, int start = -1) const;

    BOOL SetBkColor(COLORREF color) {
        return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
    }
    DWORD SetExtendedStyle(DWORD exStyle) {
        return static_cast<DWORD>(
            SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(exStyle)));
    }
    // LVSIL_SMALL / LVSIL_NORMAL; the list does not take ownership (the list must
    // carry LVS_SHAREIMAGELISTS or the CImageList must outlive the control).
    HIMAGELIST SetImageList(CImageList* imageList, int which) {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which),
                        reinterpret_cast<LPARAM>(imageList ? imageList->m_hImageList : nullptr)));
    }
};
