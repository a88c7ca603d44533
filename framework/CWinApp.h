// CWinApp: the application object. The program defines one global instance of its
// derived class; the entry point (WinMain.cpp, linked into the program only) runs
// its InitInstance, which shows the program's dialog modally and returns FALSE.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once at start. The programs are dialog based: each returns FALSE
    // after its modal dialog, and no application message loop follows.
    virtual BOOL InitInstance();

    // The standard controls are always drawn three-dimensional on this platform;
    // kept so start-up reads as it is meant to. Does nothing.
    void Enable3dControls() {}

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Message box captioned with the application name, owned by the main window.
int AfxMessageBox(const char* utf8Text, UINT type = MB_OK);
// The body of WinMain: runs the global application object.
int AfxWinMain();
