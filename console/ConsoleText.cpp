// ConsoleText.cpp
#include "console/ConsoleText.h"

#include "base/FileAccess.h"

#include <windows.h>

namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode;
    return GetConsoleMode(handle, &mode) != FALSE;
}

}  // namespace

void WriteText(StandardStream stream, const std::string& utf8) {
    if (utf8.empty()) return;
    HANDLE handle =
        GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    DWORD written;
    if (IsConsole(handle)) {
        std::wstring wide = Utf16FromUtf8(utf8);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // A file gets the line ends a Windows program writes.
    std::string bytes;
    for (char c : utf8) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
