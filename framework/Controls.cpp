// Small control wrappers; see Controls.h.
#include "framework/Controls.h"

#include <commctrl.h>

#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CBitmapButton, CButton)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BEGIN_MESSAGE_MAP(CButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CBitmapButton::LoadBitmaps(UINT normalId, UINT selectedId, UINT focusId, UINT disabledId) {
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (!m_bitmap.LoadBitmap(normalId)) return FALSE;
    if (selectedId) m_bitmapSel.LoadBitmap(selectedId);
    if (focusId) m_bitmapFocus.LoadBitmap(focusId);
    if (disabledId) m_bitmapDisabled.LoadBitmap(disabledId);
    return TRUE;
}

// The picture for the state, falling back to the normal one.
void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CBitmap* bitmap = &m_bitmap;
    UINT state = drawItem->itemState;
    if ((state & ODS_SELECTED) && !m_bitmapSel.IsNull()) {
        bitmap = &m_bitmapSel;
    } else if ((state & ODS_FOCUS) && !m_bitmapFocus.IsNull()) {
        bitmap = &m_bitmapFocus;
    } else if ((state & ODS_DISABLED) && !m_bitmapDisabled.IsNull()) {
        bitmap = &m_bitmapDisabled;
    }
    if (bitmap->IsNull()) return;
    CDC target(drawItem->hDC);
    CDC memory;
    memory.CreateCompatibleDC(&target);
    memory.SelectObject(*bitmap);
    const RECT& rc = drawItem->rcItem;
    target.BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &memory, 0, 0, SRCCOPY);
}

