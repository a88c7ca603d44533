// CRecoveryApp.cpp
#include "app/CRecoveryApp.h"

#include <windows.h>
#include <commctrl.h>

#include "app/CRecoveryDlg.h"

BOOL CRecoveryApp::InitInstance() {
    Enable3dControls();
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    CRecoveryDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
