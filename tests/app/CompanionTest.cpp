// Starting the help and configuration programs from the install directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

const char kMissingFileFrench[] = "Ne peut pas trouver file.Svp réinstaller!";

void InstallStandIn(const std::filesystem::path& folder, const char* name) {
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(VELMO_COMPANION_STANDIN, folder / name,
                               std::filesystem::copy_options::overwrite_existing);
}

std::vector<std::string> TraceLines(const std::filesystem::path& folder) {
    std::istringstream trace(ReadFileBytes((folder / "trace.txt").string()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(trace, line);) lines.push_back(line);
    return lines;
}

TEST(CompanionTest, MissingProgramsAreReportedInTheCurrentLanguage) {
    SettingsFileGuard guard;
    TempFolder install("velmo-install");
    WriteValidSettings(RecordWith(2, install.Ansi() + "\\"));
    MessageBoxWatcher watcher({IDOK, IDOK, IDOK, IDOK});

    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        for (int command :
             {IDC_HELP_BUTTON, ID_HELP_LAUNCH, IDC_OPTIONS_BUTTON, ID_OPTIONS_SETTINGS})
            shown.Command(command);
        EXPECT_TRUE(IsWindowEnabled(shown.GetSafeHwnd()));
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 4u);
    for (const SeenMessageBox& box : watcher.Boxes()) {
        EXPECT_EQ(box.text, kMissingFileFrench);
        EXPECT_EQ(box.caption, "Velmo Image Recovery");
    }
}

// Nothing is put between the install directory and the file name.
TEST(CompanionTest, InstallDirectoryWithoutTrailingBackslashMissesTheProgram) {
    SettingsFileGuard guard;
    TempFolder install("velmo-install");
    InstallStandIn(install.Path() / "Tools", "Gandry.exe");
    WriteValidSettings(RecordWith(1, install.Ansi() + "\\Tools"));
    MessageBoxWatcher watcher({IDOK});

    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) { shown.Command(IDC_HELP_BUTTON); });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, "Missing file. Please reinstall!");
    EXPECT_FALSE(std::filesystem::exists(install.Path() / "Tools" / "trace.txt"));
}

// The folder has a blank in its name: an unquoted path would start the decoy
// "...\Velmo.exe" beside it instead.
TEST(CompanionTest, PresentProgramsStartWithTheirQuotedPathAndOneBlank) {
    SettingsFileGuard guard;
    TempFolder install("velmo-install");
    const std::filesystem::path folder = install.Path() / "Velmo Tools";
    InstallStandIn(folder, "Gandry.exe");
    InstallStandIn(folder, "Pelloc.exe");
    InstallStandIn(install.Path(), "Velmo.exe");
    const std::string directory = install.Ansi() + "\\Velmo Tools\\";
    WriteValidSettings(RecordWith(1, directory));
    MessageBoxWatcher watcher;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        auto started = [&](size_t count) {
            return TraceLines(folder).size() + TraceLines(install.Path()).size() == count;
        };
        shown.Command(IDC_HELP_BUTTON);
        ASSERT_TRUE(PumpUntil([&] { return started(1); }, 10000));
        shown.Command(ID_OPTIONS_SETTINGS);
        ASSERT_TRUE(PumpUntil([&] { return started(2); }, 10000));
    });
    dialog.DoModal();

    std::vector<std::string> lines = TraceLines(folder);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "Gandry.exe|" + std::to_string(SW_SHOWNORMAL) + "|\"" + directory + "Gandry.exe\" ");
    EXPECT_EQ(lines[1],
              "Pelloc.exe|" + std::to_string(SW_SHOWNORMAL) + "|\"" + directory + "Pelloc.exe\" ");
    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_TRUE(TraceLines(install.Path()).empty()) << "the decoy was started";
}

}  // namespace
