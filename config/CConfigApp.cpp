// CConfigApp.cpp
#include "config/CConfigApp.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "companion/OneWindow.h"
#include "config/CConfigDlg.h"
#include "framework/SystemPaths.h"
#include "settings/SettingsFile.h"

BOOL CConfigApp::InitInstance() {
    COneWindow oneWindow(L"Pelloc");
    if (!oneWindow.IsFirst()) {
        oneWindow.ShowFirstWindow();
        return FALSE;
    }
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    // The folder picker's newer look needs COM on this thread.
    OleInitialize(nullptr);
    {
        CConfigDlg dialog(SettingsPathIn(WindowsDirectory()));
        m_pMainWnd = &dialog;
        dialog.KeepAsOnlyWindow(&oneWindow);
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    OleUninitialize();
    return FALSE;
}
