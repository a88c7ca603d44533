// Image list; see CImageList.h.
#include "framework/CImageList.h"

#include "framework/Module.h"

BOOL CImageList::Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask) {
    DeleteImageList();
    m_hImageList = ImageList_LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(bitmapId),
                                        imageWidth, grow, mask, IMAGE_BITMAP, 0);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    BOOL destroyed = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return destroyed;
}
