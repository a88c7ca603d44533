// OneWindow.h - one window for each companion program: a second start shows
// the window already open instead of another, whose last OK would win
#pragma once

#include <windows.h>

#include <string>

class COneWindow {
public:
    // name: the program's own ("Pelloc"); one copy of it per user session.
    explicit COneWindow(const std::wstring& name);
    ~COneWindow();
    COneWindow(const COneWindow&) = delete;
    COneWindow& operator=(const COneWindow&) = delete;

    // False when another copy of the program is already running.
    bool IsFirst() const { return m_first; }
    // Brings the first copy's window to the front, restored if it was
    // minimised. The first copy may still be opening it, so it is waited for a
    // moment; false when it never shows.
    bool ShowFirstWindow() const;
    // Marks the program's window for a later start to find, and unmarks it.
    void Mark(HWND window) const;
    void Unmark(HWND window) const;

private:
    static BOOL CALLBACK FindMarked(HWND window, LPARAM context);

    std::wstring m_mark;
    HANDLE m_running = nullptr;
    bool m_first = true;
};
