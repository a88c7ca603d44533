// The application object and the Afx helpers; see CWinApp.h.
#include "framework/CWinApp.h"

#include "framework/CWnd.h"
#include "framework/Module.h"
#include "framework/Text.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

int AfxMessageBox(const char* utf8Text, UINT type) {
    CWnd* mainWnd = AfxGetMainWnd();
    HWND owner = mainWnd && mainWnd->m_hWnd ? mainWnd->m_hWnd : GetActiveWindow();
    return MessageBoxW(owner, Widen(utf8Text).c_str(), Widen(AfxGetAppName()).c_str(), type);
}

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    AfxInitCommonControls();
    app->InitInstance();
    return 0;
}
