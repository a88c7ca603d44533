// COffscreenDC: memory surface for flicker-free painting.
#include "controls/COffscreenDC.h"

COffscreenDC::COffscreenDC(CDC* target) : m_target(target), m_offscreen(!target->IsPrinting()) {
    if (!m_offscreen) {
        m_hDC = target->m_hDC;
        ::GetClipBox(m_hDC, &m_rect);
        return;
    }
    ::GetClientRect(::WindowFromDC(target->m_hDC), &m_rect);
    CreateCompatibleDC(target);
    m_bitmap.CreateCompatibleBitmap(target->m_hDC, m_rect.Width(), m_rect.Height());
    m_previousBitmap = SelectObject(m_bitmap);
    SetWindowOrg(m_rect.left, m_rect.top);
    FillRect(&m_rect, GetSysColorBrush(COLOR_BTNFACE));
}

COffscreenDC::~COffscreenDC() {
    if (m_offscreen) {
        if (m_previousBitmap) ::SelectObject(m_hDC, m_previousBitmap);
        DeleteDC();
    } else {
        // The printer context belongs to the caller: only our selections go back.
        RestoreOriginalObjects();
        m_hDC = nullptr;
    }
}

void COffscreenDC::CopyRowsToTarget(int sourceTop, int targetTop, int height) {
    if (!m_offscreen || height <= 0) return;
    m_target->BitBlt(m_rect.left, targetTop, m_rect.Width(), height, this, m_rect.left, sourceTop,
                     SRCCOPY);
}
