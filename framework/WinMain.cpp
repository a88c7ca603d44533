// The program's entry point: runs the global application object.
#include <windows.h>

#include "framework/CWinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return AfxWinMain(); }
