// WindowDC.h - the device contexts of a window: CPaintDC pairs BeginPaint and
// EndPaint, CClientDC GetDC and ReleaseDC. Both put the original objects back
// before they let the context go.
#pragma once

#include <windows.h>

#include "framework/CDC.h"

class CWnd;

// The context of one WM_PAINT: BeginPaint in the constructor, EndPaint at the end.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// The client area context of a window (GetDC / ReleaseDC).
class CClientDC : public CDC {
public:
    // Null: the whole screen.
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// The screen's dots per inch: 96 with normal fonts, 144 with large ones.
constexpr int kNormalDpi = 96;
int ScreenDpi();
// A length given in pixels of a 96-DPI screen, in pixels of this screen, and back.
inline int ScreenPixels(int pixelsAt96Dpi) {
    return MulDiv(pixelsAt96Dpi, ScreenDpi(), kNormalDpi);
}
inline int NormalDpiPixels(int screenPixels) {
    return MulDiv(screenPixels, kNormalDpi, ScreenDpi());
}
