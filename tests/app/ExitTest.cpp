// The ways the program ends and the exit code of each.
#include <gtest/gtest.h>

#include <filesystem>

#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

struct ExitPath {
    const char* name;
    UINT message;
    WPARAM wParam;
    DWORD exitCode;
};

void PrintTo(const ExitPath& path, std::ostream* out) { *out << path.name; }

class ExitPathTest : public ::testing::TestWithParam<ExitPath> {};

TEST_P(ExitPathTest, EndsTheProgramWithItsCodeAndLeavesTheSettingsAlone) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    const std::string before = ReadFileBytes(RealSettingsPath());
    MessageBoxWatcher watcher;
    ChildProgram program;
    ASSERT_TRUE(program.Started());
    watcher.WatchProcess(program.ProcessId());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    PostMessageW(window, GetParam().message, GetParam().wParam, 0);
    DWORD exitCode = 0xFFFF;
    ASSERT_TRUE(program.WaitForExit(exitCode));

    EXPECT_EQ(exitCode, GetParam().exitCode);
    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), before);
}

INSTANTIATE_TEST_SUITE_P(
    AllExits, ExitPathTest,
    ::testing::Values(ExitPath{"ExitButton", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 9},
                      ExitPath{"FileMenuExit", WM_COMMAND, ID_FILE_EXIT, 9},
                      ExitPath{"CloseBox", WM_CLOSE, 0, 9},
                      ExitPath{"EscapeKey", WM_COMMAND, IDCANCEL, 0}),
    [](const ::testing::TestParamInfo<ExitPath>& info) { return std::string(info.param.name); });

// A settings path that cannot be written (here a folder of that name) ends the
// program with code 1 after the missing-file message, before the window shows.
TEST(ExitTest, SettingsFileThatCannotBeWrittenEndsWithCode1) {
    SettingsFileGuard guard;
    RemoveSettingsFile();
    std::filesystem::create_directory(RealSettingsPath());
    MessageBoxWatcher watcher({IDOK, IDOK});
    ChildProgram program;
    ASSERT_TRUE(program.Started());
    watcher.WatchProcess(program.ProcessId());

    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(exitCode));

    EXPECT_EQ(exitCode, 1u);
    ASSERT_EQ(watcher.Count(), 2u);
    for (const SeenMessageBox& box : watcher.Boxes()) {
        EXPECT_EQ(box.text, "Missing file. Please reinstall!");
        EXPECT_EQ(box.caption, "Velmo Image Recovery");
    }
    for (ChildProgram::WindowKind kind : program.KindsSeen())
        EXPECT_NE(kind, ChildProgram::WindowKind::MainWindow);
}

}  // namespace
