// Image list; see CImageList.h.
#include "framework/CImageList.h"

#include "framework/CWinApp.h"

BOOL CImageList::Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask) {
    DeleteImageList();
    m_hImageList = ImageList_LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(bitmapId),
                                        imageWidth, grow, mask, IMAGE_BITMAP, 0);
    return m_hImageList != nullptr;
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(width, height, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    BOOL destroyed = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return destroyed;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}
