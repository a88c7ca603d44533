// CompanionLaunch.cpp - starting the help and configuration programs
#include "app/CompanionLaunch.h"

#include <windows.h>

#include <cstdio>

#include "app/CRecoveryDlg.h"
#include "framework/Text.h"
#include "lang/Texts.h"
#include "recovery/FileAccess.h"

std::string CompanionPath(const std::string& installDirectory, const char* fileName) {
    return installDirectory + fileName;
}

std::string CompanionCommandLine(const std::string& path) { return "\"" + path + "\" "; }

namespace {

bool OpensForReading(const std::string& path) {
    std::FILE* stream = OpenFile(path, "rb");
    if (!stream) return false;
    std::fclose(stream);
    return true;
}

}  // namespace

// The companion runs on its own: the window neither waits for it nor looks
// at whether it started.
void CRecoveryDlg::LaunchCompanion(const char* fileName) {
    const std::string path = CompanionPath(m_installDirectory, fileName);
    if (!OpensForReading(path)) {
        ShowMessage(kMsgMissingFile);
        return;
    }
    // The install directory came from the ANSI code page, so it goes back exactly.
    WinExec(AnsiFromUtf8(CompanionCommandLine(path)).c_str(), SW_SHOWNORMAL);
}
