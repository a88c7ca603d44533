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
    // WS_CLIPCHILDREN); the bar flags of its low word have no effect here. The
    // window is a child with CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    // visible only if barStyle asks for WS_VISIBLE. `borders` is unused.
    BOOL CreateEx(CWnd* parent, DWORD controlStyle, DWORD barStyle, const RECT& borders, UINT id);

    int GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
    BOOL GetButton(int index, TBBUTTON* button) const {
        return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(button)));
    }
    int CommandToIndex(UINT command) const {
        return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, command));
    }
    BOOL GetItemRect(int index, RECT* rect) const {
        return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(rect)));
    }
    // Button index at a client point (negative when on none), as TB_HITTEST answers.
    int HitTest(POINT point) const {
        return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
    }
    int GetHotItem() const { return static_cast<int>(SendMessage(TB_GETHOTITEM)); }
    int SetHotItem(int index) {
        return static_cast<int>(SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(index)));
    }
    BOOL SetBitmapSize(int width, int height) {
        return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height)));
    }
    SIZE GetButtonSize() const;
    BOOL SetButtonWidth(int minWidth, int maxWidth) {
        return static_cast<BOOL>(SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(minWidth, maxWidth)));
    }
    DWORD SetExtendedStyle(DWORD exStyle) {
        return static_cast<DWORD>(
            SendMessage(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(exStyle)));
    }
};
