// CWinApp: the application object. The program defines one global instance of its
// derived class; the entry point (WinMain.cpp, linked into the program only) runs
// its InitInstance and, if that returns TRUE, its message loop.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once at start. Return FALSE to end the program without a message loop
    // (as a dialog-based program does after its modal dialog).
    virtual BOOL InitInstance();
    // The thread's message loop, until WM_QUIT; returns its exit code.
    virtual int Run();
    // Called last; its result is the process exit code (default: Run's).
    virtual int ExitInstance();

    // The standard controls are always drawn three-dimensional on this platform;
    // kept so start-up reads as it is meant to. Does nothing.
    void Enable3dControls() {}

    CWnd* m_pMainWnd = nullptr;

protected:
    int m_exitCode = 0;  // wParam of the WM_QUIT that ended Run
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The module of the executable, where the program's resources are.
HINSTANCE AfxGetInstanceHandle();
// The executable's file name without extension, UTF-8 (message box caption).
const char* AfxGetAppName();
// Message box captioned with the application name, owned by the main window.
int AfxMessageBox(const char* utf8Text, UINT type = MB_OK);
// The body of WinMain: runs the global application object.
int AfxWinMain();
