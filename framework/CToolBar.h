// CToolBar: a toolbar common control as a child window the framework creates
// (so its own table sees WM_CREATE). The button messages are sent as they are;
// these wrappers cover the ones a menu built on a toolbar needs.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CWnd.h"

class CToolBar : public CWnd {
    DECLARE_DYNAMIC(CToolBar)
public:
    // controlStyle: TBSTYLE_xxx bits. barStyle: window style bits (high word, e.g.
    // WS_CLIPCHILDREN) plus bar flags in the low word, which are kept in
    // GetBarStyle() and have no effect of their own. The window is a child with
    // CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN; visible only if
    // barStyle asks for WS_VISIBLE. `borders` is accepted for symmetry and unused.
    BOOL CreateEx(CWnd* parent, DWORD controlStyle, DWORD barStyle, const RECT& borders,
                  UINT id);
    DWORD GetBarStyle() const { return m_barStyle; }

    int GetButtonCount() const;
    BOOL AddButtons(int count, const TBBUTTON* buttons);  // TB_ADDBUTTONSA
    BOOL GetButton(int index, TBBUTTON* button) const;
    int CommandToIndex(UINT command) const;
    BOOL GetItemRect(int index, RECT* rect) const;
    // Button index at a client point (negative when on none), as TB_HITTEST answers.
    int HitTest(POINT point) const;
    int GetHotItem() const;
    int SetHotItem(int index);
    BOOL SetBitmapSize(int width, int height);
    SIZE GetButtonSize() const;
    BOOL SetButtonWidth(int minWidth, int maxWidth);
    DWORD SetExtendedStyle(DWORD exStyle);

private:
    DWORD m_barStyle = 0;
};
