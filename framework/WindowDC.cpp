// The device contexts of a window; see WindowDC.h.
#include "framework/WindowDC.h"

#include "framework/CWnd.h"

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() {
    RestoreOriginalObjects();
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }

CClientDC::~CClientDC() {
    RestoreOriginalObjects();
    ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

int ScreenDpi() {
    CClientDC screen(nullptr);
    const int dpi = screen.GetDeviceCaps(LOGPIXELSX);
    return dpi > 0 ? dpi : kNormalDpi;
}
