// Small control wrappers: a CWnd bound to a standard control plus the few
// messages the program sends to it.
#pragma once

#include "framework/CGdiObject.h"
#include "framework/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    // Picture of a BS_BITMAP button; returns the previous one. The caller keeps
    // ownership of the bitmap.
    HBITMAP SetBitmap(HBITMAP bitmap);
    int GetCheck() const;
    void SetCheck(int check);

    // Called to draw an owner-drawn (BS_OWNERDRAW) button: the parent's WM_DRAWITEM
    // is reflected here. The default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

    DECLARE_MESSAGE_MAP()
};

// An owner-drawn button with up to four pictures of its own (normal, selected,
// focused, disabled), drawn by the default DrawItem.
class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
    BOOL LoadBitmaps(UINT normalId, UINT selectedId = 0, UINT focusId = 0, UINT disabledId = 0);
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    void SetRange(int lower, int upper);
    int SetStep(int step);
    int SetPos(int position);
    int GetPos() const;
    int StepIt();
};
