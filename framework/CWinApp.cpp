// The application object and the Afx helpers; see CWinApp.h.
#include "framework/CWinApp.h"

#include <string>
#include <vector>

#include "framework/CWnd.h"
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

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }

const char* AfxGetAppName() {
    static const std::string name = [] {
        std::vector<wchar_t> path(MAX_PATH);
        // Grow until the whole path fits: long paths are allowed.
        while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) >=
               path.size()) {
            path.resize(path.size() * 2);
        }
        std::wstring file(path.data());
        size_t slash = file.find_last_of(L"\\/");
        if (slash != std::wstring::npos) file.erase(0, slash + 1);
        size_t dot = file.find_last_of(L'.');
        if (dot != std::wstring::npos) file.erase(dot);
        return Utf8FromWide(file);
    }();
    return name.c_str();
}

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
