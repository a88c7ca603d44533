// CHelpApp.cpp
#include "help/CHelpApp.h"

#include <windows.h>
#include <commctrl.h>

#include "companion/OneWindow.h"
#include "framework/SystemPaths.h"
#include "help/CHelpDlg.h"
#include "settings/SettingsFile.h"

namespace {

// The help only reads the settings: a missing or damaged file is the main
// window's to report and repair, and the help then speaks English.
int SettingsLanguage() {
    SettingsFile file(SettingsPathIn(WindowsDirectory()));
    const SettingsReading reading = file.ReadForEditing();
    return reading.state == SettingsState::Valid ? reading.record.LanguageIndex() : 1;
}

}  // namespace

BOOL CHelpApp::InitInstance() {
    COneWindow oneWindow(L"Gandry");
    if (!oneWindow.IsFirst()) {
        oneWindow.ShowFirstWindow();
        return FALSE;
    }
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    CHelpDlg dialog(SettingsLanguage());
    m_pMainWnd = &dialog;
    dialog.KeepAsOnlyWindow(&oneWindow);
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
