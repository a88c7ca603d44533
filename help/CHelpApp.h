// CHelpApp.h - the help program's application object
#pragma once

#include "framework/CWinApp.h"

class CHelpApp : public CWinApp {
public:
    // Runs the help window in the settings' language, then ends; a second
    // start shows the window already open instead.
    BOOL InitInstance() override;
};
