// CWnd's modal loop; see CWnd.h.
#include "framework/CWnd.h"

int CWnd::RunModalLoop() {
    if (m_modalState == ModalState::Ended) {  // ended before it started
        m_modalState = ModalState::Idle;
        return m_modalResult;
    }
    m_modalState = ModalState::Running;
    m_modalResult = -1;
    const HWND self = m_hWnd;
    while (m_modalState == ModalState::Running && m_hWnd) {
        MSG msg;
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // The outer loop must see the quit too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            m_modalResult = -1;
            break;
        }
        if (!WalkPreTranslateTree(self, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    m_modalState = ModalState::Idle;
    return m_modalResult;
}

void CWnd::PumpWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void CWnd::EndModalLoop(int result) {
    m_modalResult = result;
    m_modalState = ModalState::Ended;
    // Wake the loop in case the queue is empty.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND hWnd = msg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
        if (hWnd == stop) break;
    }
    return FALSE;
}
