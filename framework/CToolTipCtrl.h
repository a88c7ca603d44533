// CToolTipCtrl: a tooltip window. Tool texts are UTF-8 and stored through the W
// messages, so every interface language shows right whatever the code page.
// Tools are registered without TTF_SUBCLASS: the owner relays mouse messages
// (RelayEvent, typically from its PreTranslateMessage).
#pragma once

#include <string>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    // Creates the tooltip window owned by `parent`, with WS_POPUP plus `style`.
    BOOL Create(CWnd* parent, DWORD style = 0);
    // Registers the area `rect` (client coordinates of `wnd`) as tool `toolId`.
    BOOL AddTool(CWnd* wnd, const char* utf8Text, const RECT* rect, UINT_PTR toolId);
    void UpdateTipText(const char* utf8Text, CWnd* wnd, UINT_PTR toolId);
    void Activate(BOOL activate);
    void RelayEvent(MSG* msg);
    int GetToolCount() const;
    // Read back, for callers and tests; empty / false when the tool is unknown.
    std::string GetText(CWnd* wnd, UINT_PTR toolId) const;
    BOOL GetToolRect(CWnd* wnd, UINT_PTR toolId, RECT* rect) const;
};
