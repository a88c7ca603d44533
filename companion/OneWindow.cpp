// OneWindow.cpp
#include "companion/OneWindow.h"

namespace {

constexpr DWORD kWaitForFirstMs = 5000;
constexpr DWORD kLookAgainMs = 100;

struct MarkedWindow {
    const wchar_t* mark;
    HWND found;
};

}  // namespace

COneWindow::COneWindow(const std::wstring& name) : m_mark(L"VelmoImageRecovery." + name) {
    // The named object lives as long as a copy of the program does.
    m_running = CreateMutexW(nullptr, FALSE, (L"Local\\" + m_mark).c_str());
    m_first = !(m_running && GetLastError() == ERROR_ALREADY_EXISTS);
}

COneWindow::~COneWindow() {
    if (m_running) CloseHandle(m_running);
}

BOOL CALLBACK COneWindow::FindMarked(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<MarkedWindow*>(context);
    if (!GetPropW(window, search->mark)) return TRUE;
    search->found = window;
    return FALSE;
}

bool COneWindow::ShowFirstWindow() const {
    MarkedWindow search{m_mark.c_str(), nullptr};
    for (DWORD waited = 0; waited <= kWaitForFirstMs; waited += kLookAgainMs) {
        EnumWindows(FindMarked, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        Sleep(kLookAgainMs);
    }
    if (!search.found) return false;
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    // A question the first copy is asking comes first.
    SetForegroundWindow(GetLastActivePopup(search.found));
    return true;
}

void COneWindow::Mark(HWND window) const {
    SetPropW(window, m_mark.c_str(), reinterpret_cast<HANDLE>(1));
}

void COneWindow::Unmark(HWND window) const { RemovePropW(window, m_mark.c_str()); }
