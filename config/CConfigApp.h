// CConfigApp.h - the configuration program's application object
#pragma once

#include "framework/CWinApp.h"

class CConfigApp : public CWinApp {
public:
    // Runs the settings window on the Windows directory's propImage.pro, then
    // ends; a second start shows the window already open instead.
    BOOL InitInstance() override;
};
