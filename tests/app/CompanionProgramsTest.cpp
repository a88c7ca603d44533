// The real configuration and help programs beside the main window: started by
// its buttons, and a saved output folder and suffix followed by its next run.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "config/PellocResource.h"
#include "framework/Text.h"
#include "lang/ConfigTexts.h"
#include "lang/HelpTexts.h"
#include "res/resource.h"
#include "res/version.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace fs = std::filesystem;

namespace {

struct FoundWindow {
    std::wstring caption;
    HWND window = nullptr;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM context) {
    auto* found = reinterpret_cast<FoundWindow*>(context);
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    if (IsWindowVisible(window) && found->caption == caption) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window with the caption, waited for while this thread's
// own windows go on working.
HWND WaitForWindowCaptioned(const std::string& utf8Caption, DWORD timeoutMs = 15000) {
    FoundWindow found{Widen(utf8Caption)};
    PumpUntil(
        [&] {
            EnumWindows(FindByCaption, reinterpret_cast<LPARAM>(&found));
            return found.window != nullptr;
        },
        timeoutMs);
    return found.window;
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

void Install(const fs::path& folder, const char* program) {
    fs::create_directories(folder);
    fs::copy_file(program, folder / fs::path(program).filename(),
                  fs::copy_options::overwrite_existing);
}

// The folder has a blank in its name, as "Program Files" has.
// The version a user reads in a program's properties.
std::wstring ProductVersionOf(const char* program) {
    const std::wstring path = Widen(program);
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    void* value = nullptr;
    UINT length = 0;
    if (info.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()) ||
        !VerQueryValueW(info.data(), L"\\StringFileInfo\\040904b0\\ProductVersion", &value, &length))
        return L"";
    return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(CompanionProgramsTest, EveryProgramCarriesTheProjectVersion) {
    for (const char* program : {VELMO_PROGRAM, VELMO_CONFIG_PROGRAM, VELMO_HELP_PROGRAM})
        EXPECT_EQ(ProductVersionOf(program), Widen(VELMO_VERSION_TEXT)) << program;
}

TEST(CompanionProgramsTest, OptionsAndHelpButtonsStartTheInstalledPrograms) {
    SettingsFileGuard guard;
    TempFolder install("velmo-install");
    const fs::path folder = install.Path() / "Velmo Image Recovery";
    Install(folder, VELMO_CONFIG_PROGRAM);
    Install(folder, VELMO_HELP_PROGRAM);
    WriteValidSettings(RecordWith(4, install.Ansi() + "\\Velmo Image Recovery\\"));
    MessageBoxWatcher watcher;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        const std::pair<int, std::string> launches[] = {
            {IDC_OPTIONS_BUTTON, Text(kConfigCaption, 4)},
            {IDC_HELP_BUTTON, Text(kHelpCaption, 4)},
        };
        for (const auto& [button, caption] : launches) {
            SCOPED_TRACE(caption);
            shown.Command(button);
            HWND companion = WaitForWindowCaptioned(caption);
            ASSERT_NE(companion, nullptr) << "its window did not appear";
            EXPECT_NE(ProcessOf(companion), GetCurrentProcessId());
            EXPECT_TRUE(IsWindowEnabled(shown.GetSafeHwnd())) << "the main window does not wait";
            ::PostMessageW(companion, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(PumpUntil([&] { return !IsWindow(companion); }, 10000));
        }
    });
    dialog.DoModal();

    EXPECT_EQ(watcher.Count(), 0u);
}

// What the configuration program saves, the next recovery of the main window
// follows without a restart.
TEST(CompanionProgramsTest, SavedOutputFolderAndSuffixGuideTheNextRecovery) {
    SettingsFileGuard guard;
    TempFolder work("velmo-work");
    const std::string jpeg = ReadFileBytes(std::string(VELMO_TEST_DATA_DIR) + "/small.jpg");
    const std::string png = ReadFileBytes(std::string(VELMO_TEST_DATA_DIR) + "/small.png");
    work.WriteFile("Report.doc", std::string(700, 'D') + jpeg + std::string(700, 'D') + png);
    const std::string document = work.Ansi() + "\\Report.doc";
    const std::string pictures = work.Ansi() + "\\Pictures";
    // Installed as the installer leaves it, so that OK finds the programs.
    Install(work.Path() / "Velmo", VELMO_CONFIG_PROGRAM);
    Install(work.Path() / "Velmo", VELMO_HELP_PROGRAM);
    WriteValidSettings(RecordWith(1, work.Ansi() + "\\Velmo\\"));

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = std::string("\"") + VELMO_CONFIG_PROGRAM + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    MessageBoxWatcher configBoxes({IDYES});
    configBoxes.WatchProcess(process.dwProcessId);
    HWND settings = WaitForWindowCaptioned(Text(kConfigCaption, 1));
    ASSERT_NE(settings, nullptr);
    SetDlgItemTextW(settings, IDC_OUTPUT_EDIT, Widen(pictures).c_str());
    SetDlgItemTextW(settings, IDC_SUFFIX_EDIT, L"PIC");
    ::PostMessageW(settings, WM_COMMAND, IDOK, 0);
    const bool ended =
        PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 15000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(ended);
    ASSERT_EQ(configBoxes.Count(), 1u) << "the missing folder is offered for creation";

    MessageBoxWatcher runBoxes({IDOK});
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.AddSelectedDocument(document);
        shown.Command(IDC_EXTRACT_BUTTON);
    });
    dialog.DoModal();

    const fs::path folder = work.Path() / "Pictures" / "ReportPIC";
    ASSERT_EQ(runBoxes.Count(), 1u);
    EXPECT_EQ(runBoxes.Boxes()[0].text,
              "( 2 )image(s) recovered stored in directory " + pictures + "\\ReportPIC!");
    EXPECT_EQ(ReadFileBytes((folder / "1.jpg").string()), jpeg);
    EXPECT_EQ(ReadFileBytes((folder / "1.gif").string()), png);
}

}  // namespace
