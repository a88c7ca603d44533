// CImageList: owns an image list and destroys it when it goes. Not copyable.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Images of width `imageWidth` cut from a bitmap resource of the program;
    // `mask` is the transparent colour.
    BOOL Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask);
    BOOL DeleteImageList();
};
