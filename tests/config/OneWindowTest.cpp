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

ProgramWindows WindowsOf(DWORD processId) {
    ProgramWindows windows{processId};
    EnumWindows(CountWindowsOf, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool Start(const std::string& program, PROCESS_INFORMATION& started) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started);
}

void Close(PROCESS_INFORMATION& started) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

TEST(OneWindowTest, SecondStartBringsTheOpenWindowBack) {
    for (const char* program : {VELMO_CONFIG_PROGRAM, VELMO_HELP_PROGRAM}) {
        SCOPED_TRACE(program);
        PROCESS_INFORMATION first{};
        ASSERT_TRUE(Start(program, first));
        HWND window = nullptr;
        ASSERT_TRUE(
            PumpUntil([&] { return (window = WindowsOf(first.dwProcessId).first); }, 15000));
        ShowWindow(window, SW_MINIMIZE);

        PROCESS_INFORMATION second{};
        ASSERT_TRUE(Start(program, second));
        EXPECT_EQ(WaitForSingleObject(second.hProcess, 15000), WAIT_OBJECT_0)
            << "the second start stays";
        EXPECT_EQ(WindowsOf(second.dwProcessId).count, 0);
        EXPECT_EQ(WindowsOf(first.dwProcessId).count, 1);
        EXPECT_FALSE(IsIconic(window));
        EXPECT_EQ(GetForegroundWindow(), window);

        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(WaitForSingleObject(first.hProcess, 15000), WAIT_OBJECT_0);
        TerminateProcess(second.hProcess, 1);
        TerminateProcess(first.hProcess, 1);
        Close(second);
        Close(first);
    }
}

}  // namespace
