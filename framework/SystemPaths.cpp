// SystemPaths.cpp
#include "framework/SystemPaths.h"

#include <windows.h>

#include "framework/Text.h"

std::string WindowsDirectory() {
    // The first call gives the size the directory needs, terminator included.
    UINT size = GetWindowsDirectoryA(nullptr, 0);
    while (size > 0) {
        std::string directory(size, '\0');
        UINT length = GetWindowsDirectoryA(&directory[0], size);
        if (length < size) {
            directory.resize(length);
            return directory;
        }
        size = length + 1;
    }
    return std::string();
}

std::string CurrentDirectory() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    while (size > 0) {
        std::wstring directory(size, L'\0');
        DWORD length = GetCurrentDirectoryW(size, &directory[0]);
        if (length < size) {
            directory.resize(length);
            return Utf8FromWide(directory);
        }
        size = length;
    }
    return std::string();
}
