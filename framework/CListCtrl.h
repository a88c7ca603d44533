// CListCtrl: a report-view list control. Column captions and item texts are UTF-8,
// shown through the W messages, so a row can hold any path the file system names.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CWnd.h"

class CImageList;

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    int InsertColumn(int column, const char* utf8Caption, int format = LVCFMT_LEFT,
                     int width = -1);
    BOOL DeleteColumn(int column);
    int GetColumnWidth(int column) const;
    // Number of columns (from the header control).
    int GetColumnCount() const;

    // Inserts a row with its text (column 0); returns its index or -1.
    int InsertItem(int index, const std::string& utf8Text);
    // Inserts a row with text and image (LVIF_TEXT | LVIF_IMAGE).
    int InsertItem(int index, const std::string& utf8Text, int image);
    BOOL SetItemText(int item, int subItem, const std::string& utf8Text);
    std::string GetItemText(int item, int subItem) const;
    // Image index of a row, -1 when it cannot be read.
    int GetItemImage(int item) const;
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    // LVNI_ flags, e.g. GetNextItem(-1, LVNI_SELECTED).
    int GetNextItem(int start, int flags) const;
    UINT GetSelectedCount() const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    // Whole-text, case-insensitive search of column 0 (LVFI_STRING) after `start`
    // (-1: the whole list). Returns the row or -1.
    int FindItem(const std::string& utf8Text, int start = -1) const;

    BOOL SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    DWORD SetExtendedStyle(DWORD exStyle);
    DWORD GetExtendedStyle() const;
    // LVSIL_SMALL / LVSIL_NORMAL; the list does not take ownership (the list must
    // carry LVS_SHAREIMAGELISTS or the CImageList must outlive the control).
    HIMAGELIST SetImageList(CImageList* imageList, int which);
};
