// CToolTipCtrl: a tooltip window. Tool texts are UTF-8 and stored through the W
// messages, so every interface language shows right whatever the code page.
// Tools are registered without TTF_SUBCLASS: the owner relays mouse messages
// (RelayEvent, typically from its PreTranslateMessage).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    // Creates the tooltip window owned by `parent`, with WS_POPUP plus `style`.
    BOOL Create(CWnd* parent, DWORD style = 0) {
        return CreateEx(0, "tooltips_class32", nullptr, WS_POPUP | style, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        parent ? parent->m_hWnd : nullptr, nullptr);
    }
    // Registers the area `rect` (client coordinates of `wnd`) as tool `toolId`.
    BOOL AddTool(CWnd* wnd, const char* utf8Text, const RECT* rect, UINT_PTR toolId);
    void UpdateTipText(const char* utf8Text, CWnd* wnd, UINT_PTR toolId);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
};
