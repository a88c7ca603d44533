// Module.h - the executable's own module: where its resources are and what it
// is called. Below every window class, which loads from it and is captioned by it.
#pragma once

#include <windows.h>

// The module of the executable, where the program's resources are.
HINSTANCE AfxGetInstanceHandle();
// The executable's file name without extension, UTF-8 (message box caption).
const char* AfxGetAppName();
