// A second start of a companion program, as a second press on Options or
// Help gives, shows the window already open rather than another.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/GuiTestHelpers.h"

namespace {

struct ProgramWindows {
    DWORD processId;
    int count = 0;
    HWND first = nullptr;
};

BOOL CALLBACK CountWindowsOf(HWND window, LPARAM context) {
    auto* windows = reinterpret_cast<ProgramWindows*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == windows->processId && IsWindowVisible(window)) {
        if (!windows->first) windows->first = window;
        ++windows->count;
    }
    return TRUE;
}

ProgramWindows WindowsOf(const PROCESS_INFORMATION& process) {
    ProgramWindows windows{process.dwProcessId};
    EnumWindows(CountWindowsOf, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

PROCESS_INFORMATION Start(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + program + "\"";
    CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &started);
    return started;
}

TEST(OneWindowTest, SecondStartBringsTheOpenWindowBack) {
    for (const char* program : {VELMO_CONFIG_PROGRAM, VELMO_HELP_PROGRAM}) {
        SCOPED_TRACE(program);
        PROCESS_INFORMATION first = Start(program);
        HWND window = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (window = WindowsOf(first).first); }, 15000));
        ShowWindow(window, SW_MINIMIZE);

        PROCESS_INFORMATION second = Start(program);
        EXPECT_EQ(WaitForSingleObject(second.hProcess, 15000), WAIT_OBJECT_0) << "it stays";
        EXPECT_EQ(WindowsOf(second).count, 0);
        EXPECT_EQ(WindowsOf(first).count, 1);
        EXPECT_FALSE(IsIconic(window));
        EXPECT_EQ(GetForegroundWindow(), window);

        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(WaitForSingleObject(first.hProcess, 15000), WAIT_OBJECT_0);
        for (PROCESS_INFORMATION* started : {&second, &first}) {
            TerminateProcess(started->hProcess, 1);
            CloseHandle(started->hThread);
            CloseHandle(started->hProcess);
        }
    }
}

}  // namespace
