// Small control wrappers: a CWnd bound to a standard control plus the few
// messages the program sends to it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CGdiObject.h"
#include "framework/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    // Picture of a BS_BITMAP button; returns the previous one. The caller keeps
    // ownership of the bitmap.
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }

    // Called to draw an owner-drawn (BS_OWNERDRAW) button: the parent's WM_DRAWITEM
    // is reflected here. The default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

    DECLARE_MESSAGE_MAP()
};

// An owner-drawn button with four pictures of its own (normal, selected,
// focused, disabled). The program's buttons draw from their own strips, so
// nothing loads these; they are kept for the class's layout.
class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    void SetRange(int lower, int upper) {
        SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    }
    int SetStep(int step) {
        return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step)));
    }
    int SetPos(int position) {
        return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)));
    }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};
