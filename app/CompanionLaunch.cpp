// CompanionLaunch.cpp - starting the help and configuration programs
#include "app/CompanionLaunch.h"

#include <windows.h>

#include <cstdio>

#include "framework/Text.h"
#include "base/FileAccess.h"

std::string CompanionPath(const std::string& installDirectory, const char* fileName) {
    return installDirectory + fileName;
}

std::string CompanionCommandLine(const std::string& path) { return "\"" + path + "\" "; }

bool OpensForReading(const std::string& path) {
    std::FILE* stream = OpenFile(path, "rb");
    if (!stream) return false;
    std::fclose(stream);
    return true;
}

// The install directory came from the ANSI code page, so the path goes back
// exactly. Nobody waits for the companion or looks at whether it started.
void StartCompanion(const std::string& path) {
    WinExec(AnsiFromUtf8(CompanionCommandLine(path)).c_str(), SW_SHOWNORMAL);
}
