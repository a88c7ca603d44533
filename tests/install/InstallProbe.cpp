// InstallProbe.cpp - looks at an installed copy from inside Wine, the way the
// program and a user see it, for the installer test script.
//
//   probe settings FILE          the record as the main window reads it
//   probe choose FILE            changes the user's choices, as the
//                                configuration program would save them
//   probe shortcut LINK          the program a shortcut starts
//   probe run COMMAND_LINE       runs a command line exactly as given (NSIS
//                                wants /D= unquoted) and returns its exit code
//   probe companions PROGRAM     starts the installed main program, presses
//                                Options and Help, and reports which programs
//                                showed a window
#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/SettingsFile.h"

namespace {

class QuietHost : public SettingsHost {
public:
    void ShowSettingsMessage(SettingsMessage) override { std::printf("message\n"); }
    [[noreturn]] void EndProcess(int exitCode) override { std::exit(exitCode); }
};

int PrintSettings(const std::string& path) {
    QuietHost host;
    SettingsFile file(path);
    if (!file.FileExists()) {
        std::printf("missing\n");
        return 1;
    }
    // An invalid file is only reported: reading it would repair it.
    if (!file.IsSettingsFileValid()) {
        std::printf("valid=0\n");
        return 0;
    }
    const SettingsRecord record = file.LoadSettings(host);
    std::printf(
        "valid=1\nlanguage=%d\nsuffix=%s\noutputPath=%s\ndeleteSource=%d\ninstallDirectory=%s\n",
        record.LanguageIndex(), record.Suffix().c_str(), record.OutputPath().c_str(),
        static_cast<int>(record.DeleteSource()), record.InstallDirectory().c_str());
    return 0;
}

int ChangeChoices(const std::string& path) {
    QuietHost host;
    SettingsFile file(path);
    SettingsRecord record = file.LoadSettings(host);
    record.SetSuffix("TST");
    record.SetOutputPath("C:\\Pictures\\");
    record.SetDeleteSource(1);
    record.SetLanguageIndex(4);
    return file.WriteSettings(record) ? 0 : 1;
}

int PrintShortcutTarget(const std::string& link) {
    CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    IPersistFile* persist = nullptr;
    int result = 1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink))) &&
        SUCCEEDED(
            shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        std::vector<wchar_t> wide(link.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide.data(),
                            static_cast<int>(wide.size()));
        char target[MAX_PATH] = "";
        if (SUCCEEDED(persist->Load(wide.data(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(target, MAX_PATH, nullptr, 0))) {
            std::printf("%s\n", target);
            result = 0;
        }
    }
    if (persist) persist->Release();
    if (shellLink) shellLink->Release();
    CoUninitialize();
    return result;
}

// Starts the command line exactly as given; says so when it cannot.
bool StartProcess(std::string commandLine, PROCESS_INFORMATION& started) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started))
        return true;
    std::printf("cannot start %s\n", commandLine.c_str());
    return false;
}

void CloseProcessHandles(const PROCESS_INFORMATION& started) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

int RunCommandLine(const std::string& commandLine) {
    PROCESS_INFORMATION started{};
    if (!StartProcess(commandLine, started)) return 127;
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(started.hProcess, &exitCode);
    CloseProcessHandles(started);
    return static_cast<int>(exitCode);
}

// --- companions -------------------------------------------------------------

std::string ProcessImage(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return "";
    char image[MAX_PATH] = "";
    GetModuleFileNameExA(process, nullptr, image, MAX_PATH);
    CloseHandle(process);
    return image;
}

struct WindowSearch {
    DWORD processId = 0;  // windows of this process, or
    std::string image;    // of a process started from this file
    HWND found = nullptr;
    DWORD foundProcess = 0;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    if (!IsWindowVisible(window)) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const bool matches =
        search.processId ? processId == search.processId
                         : lstrcmpiA(ProcessImage(processId).c_str(), search.image.c_str()) == 0;
    if (matches && (search.processId == 0 || GetDlgItem(window, IDC_OPTIONS_BUTTON))) {
        search.found = window;
        search.foundProcess = processId;
        return FALSE;
    }
    return TRUE;
}

WindowSearch WaitForWindow(WindowSearch search, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search;
        Sleep(100);
    }
    return search;
}

void EndProcess(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

// Presses a button of the main window and waits for a window of the program
// that the button should start from the install folder.
bool PressAndWatch(HWND mainWindow, int button, const std::string& expectedImage) {
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(mainWindow, button)));
    WindowSearch search;
    search.image = expectedImage;
    search = WaitForWindow(search, 20000);
    if (!search.found) return false;
    char caption[256] = "";
    GetWindowTextA(search.found, caption, sizeof caption);
    std::printf("window \"%s\" of %s\n", caption, expectedImage.c_str());
    EndProcess(search.foundProcess);
    return true;
}

int CheckCompanions(const std::string& program) {
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    PROCESS_INFORMATION started{};
    if (!StartProcess("\"" + program + "\"", started)) return 1;
    WindowSearch search;
    search.processId = started.dwProcessId;
    search = WaitForWindow(search, 20000);
    bool ok = search.found != nullptr;
    if (!ok) std::printf("no main window\n");
    if (ok && !PressAndWatch(search.found, IDC_OPTIONS_BUTTON, folder + "Pelloc.exe")) {
        std::printf("Options showed no window of %sPelloc.exe\n", folder.c_str());
        ok = false;
    }
    if (ok && !PressAndWatch(search.found, IDC_HELP_BUTTON, folder + "Gandry.exe")) {
        std::printf("Help showed no window of %sGandry.exe\n", folder.c_str());
        ok = false;
    }
    TerminateProcess(started.hProcess, 0);
    WaitForSingleObject(started.hProcess, 5000);
    CloseProcessHandles(started);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: probe settings|choose|shortcut|run|companions ARGUMENT\n");
        return 2;
    }
    const std::string command = argv[1];
    const std::string path = argv[2];
    if (command == "settings") return PrintSettings(path);
    if (command == "choose") return ChangeChoices(path);
    if (command == "shortcut") return PrintShortcutTarget(path);
    if (command == "run") return RunCommandLine(path);
    if (command == "companions") return CheckCompanions(path);
    return 2;
}
