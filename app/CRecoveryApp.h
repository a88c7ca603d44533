// CRecoveryApp.h - the application object: runs the main window and ends
#pragma once

#include "framework/CWinApp.h"

class CRecoveryApp : public CWinApp {
public:
    // Runs the main window modally. Returns FALSE so that the program ends when
    // the window is cancelled; the other ways out end the process themselves.
    BOOL InitInstance() override;
};
