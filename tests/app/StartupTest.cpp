// Start-up with a missing, an invalid and a valid settings file.
#include <gtest/gtest.h>

#include <filesystem>

#include "lang/Texts.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

const char kMissingFileEnglish[] = "Missing file. Please reinstall!";
const char kCaption[] = "Velmo Image Recovery";

// The default file, spelled out byte for byte rather than taken from the
// settings module, so that a change there cannot slip through.
std::string ExpectedDefaultFile() {
    std::string bytes("REC\0", 4);
    bytes += '\0';
    bytes += std::string(199, 'a');
    bytes += std::string("\x01\0\0\0\0\0\0\0\x01\0\0\0", 12);
    bytes += '\x01';
    bytes += std::string(203, '\0');
    bytes += std::string(4, '\0');
    return bytes;
}

void ExpectMenuButtonPictures(ProbedRecoveryDlg& dialog, int firstBitmap) {
    const int buttons[] = {IDC_FILE_MENU_BUTTON, IDC_OPTIONS_MENU_BUTTON, IDC_HELP_MENU_BUTTON};
    for (int position = 0; position < 3; ++position) {
        auto shown = reinterpret_cast<HBITMAP>(
            SendMessageW(dialog.Item(buttons[position]), BM_GETIMAGE, IMAGE_BITMAP, 0));
        HBITMAP expected = LoadProgramBitmap(firstBitmap + position);
        EXPECT_TRUE(SamePicture(shown, expected)) << "menu button " << buttons[position];
        DeleteObject(expected);
    }
}

TEST(StartupTest, MissingSettingsFileEndsWithCode2AfterTheSplashAndAnEnglishMessage) {
    SettingsFileGuard guard;
    RemoveSettingsFile();
    MessageBoxWatcher watcher({IDOK});
    ChildProgram program;
    ASSERT_TRUE(program.Started());
    watcher.WatchProcess(program.ProcessId());

    ASSERT_TRUE(program.WaitForWindow(ChildProgram::WindowKind::Splash));
    EXPECT_EQ(watcher.Count(), 0u) << "the message came before the splash";
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(exitCode));

    EXPECT_EQ(exitCode, 2u);
    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, kMissingFileEnglish);
    EXPECT_EQ(watcher.Boxes()[0].caption, kCaption);
    for (ChildProgram::WindowKind kind : program.KindsSeen())
        EXPECT_NE(kind, ChildProgram::WindowKind::MainWindow) << "the main window was shown";
    EXPECT_FALSE(std::filesystem::exists(RealSettingsPath()));
}

TEST(StartupTest, InvalidSettingsFileIsReplacedByTheDefaultFileAndTheWindowComesUpInEnglish) {
    SettingsFileGuard guard;
    SettingsRecord german = RecordWith(3, "C:\\Tools\\");
    german.bytes[419] = 0x55;  // the check value behind it stays 0: invalid
    WriteFileBytes(RealSettingsPath(),
                   std::string(german.bytes.begin(), german.bytes.end()) + std::string(4, '\0'));
    MessageBoxWatcher watcher({IDOK});

    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        EXPECT_EQ(shown.LanguageIndex(), 1);
        EXPECT_EQ(shown.InstallDirectory(), "");
        EXPECT_EQ(ColumnCaption(shown.Item(IDC_DOCUMENT_LIST), 0), "Pathname");
        EXPECT_EQ(ColumnCaption(shown.Item(IDC_DOCUMENT_LIST), 1), "Size KB");
        EXPECT_EQ(TooltipText(shown.HoverButton(IDC_OPEN_BUTTON)), "Ad a file in the list");
        ExpectMenuButtonPictures(shown, IDB_MENUBUTTON_FIRST);
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, kMissingFileEnglish);
    EXPECT_EQ(watcher.Boxes()[0].caption, kCaption);
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), ExpectedDefaultFile());
}

TEST(StartupTest, ValidGermanSettingsGiveGermanTooltipsCaptionsAndMenuButtonPictures) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(3, "C:\\\\Tools\\\\"));
    const std::string before = ReadFileBytes(RealSettingsPath());
    MessageBoxWatcher watcher;

    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        EXPECT_EQ(shown.LanguageIndex(), 3);
        EXPECT_EQ(shown.InstallDirectory(), "C:\\Tools\\");

        const std::pair<int, const char*> tooltips[] = {{IDC_OPEN_BUTTON, "Datei Anzeige"},
                                                        {IDC_EXTRACT_BUTTON, "Datenrettung"},
                                                        {IDC_OPTIONS_BUTTON, "Einstellungen"},
                                                        {IDC_HELP_BUTTON, "Hilfe"},
                                                        {IDOK, "Exit"},
                                                        {IDC_DELETE_BUTTON, "Datei Entfernen"},
                                                        {IDC_EMPTY_BUTTON, "Liste leeren"},
                                                        {IDC_SIDE_PANEL, "Alimentare!"}};
        for (const auto& [button, text] : tooltips)
            EXPECT_EQ(TooltipText(shown.HoverButton(button)), text) << "button " << button;

        HWND list = shown.Item(IDC_DOCUMENT_LIST);
        RECT client;
        GetClientRect(list, &client);
        const char* captions[] = {"Weg", "Größe KB", "Datum", "Zeit"};
        const int widths[] = {client.right * 6 / 10, 60, 80, 80};
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(ColumnCaption(list, column), captions[column]);
            EXPECT_EQ(ColumnWidth(list, column), widths[column]) << "column " << column;
        }
        EXPECT_EQ(shown.FirstColumnWidth(), widths[0]);
        ExpectMenuButtonPictures(shown, IDB_MENUBUTTON_FIRST + 6);
    });
    dialog.DoModal();

    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_TRUE(watcher.Problems().empty());
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), before) << "a valid file is only read";
}

}  // namespace
