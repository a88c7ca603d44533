// SystemPaths.h - system directories as strings of any length
#pragma once

#include <string>

// The Windows directory as GetWindowsDirectoryA gives it, without a trailing
// backslash (except for a root such as "C:\").
std::string WindowsDirectory();

// The process's current directory in UTF-8, whatever characters it holds.
std::string CurrentDirectory();
