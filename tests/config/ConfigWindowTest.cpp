// The configuration program's window driven as a user would: typed fields,
// the real OK button, the real message boxes, and the file on disk.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "config/CConfigDlg.h"
#include "config/ConfigChecks.h"
#include "config/PellocResource.h"
#include "framework/Text.h"
#include "lang/ConfigTexts.h"
#include "settings/SettingsRecord.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ProbedDialog.h"

namespace fs = std::filesystem;

namespace {

// The window from its template; the probe plays the user once it shows.
class ProbedConfigDlg : public ProbedDialog<CConfigDlg, ProbedConfigDlg> {
public:
    ProbedConfigDlg(const std::string& path, Probe probe) : ProbedDialog(std::move(probe), path) {}

    void Type(int id, const std::wstring& text) { SetWindowTextW(GetDlgItem(id), text.c_str()); }
    std::string Shown(int id) const { return Utf8FromWide(FieldText(id)); }
    void Click(int id) {
        SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(id)));
    }
    void ChooseLanguage(int language) {
        SendDlgItemMessageW(m_hWnd, IDC_LANGUAGE_LIST, CB_SETCURSEL,
                            static_cast<WPARAM>(language - 1), 0);
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(GetDlgItem(IDC_LANGUAGE_LIST)));
    }
    // Keys pressed in the field, one character at a time, as a user types.
    void TypeKeys(int id, const std::wstring& text) {
        HWND field = GetDlgItem(id);
        ::SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        for (wchar_t c : text) SendMessageW(field, WM_CHAR, c, 1);
    }
    // A check box as a mouse click toggles it.
    void Toggle(int id) { SendMessageW(GetDlgItem(id), BM_CLICK, 0, 0); }
    bool Closed() const { return GetResult() == IDOK; }
};

std::string ReadBytes(const fs::path& path) {
    std::FILE* stream = std::fopen(path.string().c_str(), "rb");
    std::string bytes;
    if (!stream) return bytes;
    for (int c; (c = std::fgetc(stream)) != EOF;) bytes += static_cast<char>(c);
    std::fclose(stream);
    return bytes;
}

std::string FileOf(const SettingsRecord& record) {
    std::string bytes(record.bytes.begin(), record.bytes.end());
    uint8_t check[4];
    WriteInt32LittleEndian(record.CheckValue(), check);
    return bytes + std::string(reinterpret_cast<char*>(check), 4);
}

// A valid record whose unshown bytes are all unusual: filler behind every
// text, flags the program never writes, a language it does not know.
SettingsRecord UnusualRecord(const std::string& installDirectory) {
    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    record.SetInstallDirectory(installDirectory);
    for (size_t i = 217 + installDirectory.size() + 1; i < 419; ++i) record.bytes[i] = 'z';
    record.SetReservedFlag(77);
    record.SetTextFileFlag(-5);
    record.SetDeleteSource(3);
    record.bytes[216] = 9;
    record.bytes[419] = 0;
    return record;
}

struct ConfigFolder {
    TempFolder root{"velmo-config"};
    fs::path settings = root.Path() / "propImage.pro";
    std::string Settings() const { return root.Ansi() + "\\propImage.pro"; }
    std::string Pictures() const { return root.Ansi() + "\\Pictures\\"; }
    // A folder holding the two companion programs, as an install leaves it.
    std::string Programs(const std::string& name = "Velmo") const {
        fs::create_directories(root.Path() / name);
        root.WriteFile(name + "/Pelloc.exe", "MZ");
        root.WriteFile(name + "/Gandry.exe", "MZ");
        return root.Ansi() + "\\" + name + "\\";
    }
    ConfigFolder() { fs::create_directories(root.Path() / "Pictures"); }
};

void RunWindow(const ConfigFolder& folder, std::function<void(ProbedConfigDlg&)> probe) {
    ProbedConfigDlg dialog(folder.Settings(), std::move(probe));
    dialog.DoModal();
}

TEST(ConfigWindowTest, EachSavedFieldChangesOnlyItsBytes) {
    ConfigFolder folder;
    const SettingsRecord original = UnusualRecord(folder.Programs());
    const std::string elsewhere = folder.Programs("Tools");
    struct Case {
        const char* name;
        std::function<void(ProbedConfigDlg&)> edit;
        std::function<void(SettingsRecord&)> expect;
    };
    const Case cases[] = {
        {"nothing", [](ProbedConfigDlg&) {}, [](SettingsRecord&) {}},
        {"suffix", [](ProbedConfigDlg& w) { w.Type(IDC_SUFFIX_EDIT, L"Pix"); },
         [](SettingsRecord& r) { r.SetSuffix("Pix"); }},
        // Typed without its backslash: the main program puts the name right behind it.
        {"output",
         [&](ProbedConfigDlg& w) {
             w.Type(IDC_OUTPUT_EDIT, Widen(folder.root.Ansi() + "\\Pictures"));
         },
         [&](SettingsRecord& r) { r.SetOutputPath(folder.Pictures()); }},
        // Windows takes / for \\; the main program splits on \\ alone.
        {"output typed with slashes",
         [&](ProbedConfigDlg& w) {
             std::string typed = folder.root.Ansi() + "/Pictures";
             for (char& c : typed)
                 if (c == '\\') c = '/';
             w.Type(IDC_OUTPUT_EDIT, Widen(typed));
         },
         [&](SettingsRecord& r) { r.SetOutputPath(folder.Pictures()); }},
        {"deletion offer", [](ProbedConfigDlg& w) { w.Toggle(IDC_DELETE_OFFER); },
         [](SettingsRecord& r) { r.SetDeleteSource(1); }},
        {"language", [](ProbedConfigDlg& w) { w.ChooseLanguage(5); },
         [](SettingsRecord& r) { r.SetLanguageIndex(5); }},
        {"program folder",
         [&](ProbedConfigDlg& w) {
             w.Type(IDC_PROGRAM_EDIT,
                    Widen("  " + elsewhere.substr(0, elsewhere.size() - 1) + "  "));
         },
         [&](SettingsRecord& r) { r.SetInstallDirectory(elsewhere); }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        std::string bytes = FileOf(original);
        std::FILE* out = std::fopen(folder.Settings().c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
        MessageBoxWatcher watcher;

        RunWindow(folder, [&](ProbedConfigDlg& window) {
            test.edit(window);
            window.Click(IDOK);
            EXPECT_TRUE(window.Closed());
        });

        SettingsRecord expected = original;
        test.expect(expected);
        EXPECT_EQ(ReadBytes(folder.settings), FileOf(expected));
        EXPECT_EQ(watcher.Count(), 0u);
        EXPECT_FALSE(fs::exists(folder.root.Path() / "propImage.pro.new"));
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

// Each refusal is said in the window's language, keeps the window open and
// leaves the file byte for byte as it was.
TEST(ConfigWindowTest, BadFieldsAreRefusedInTheWindowsLanguage) {
    ConfigFolder folder;
    SettingsRecord french = UnusualRecord(folder.Programs());
    french.SetLanguageIndex(2);
    const std::string original = FileOf(french);
    const std::wstring longFolder = L"C:\\" + std::wstring(196, L'x');  // 200 with its backslash
    const std::string missing = folder.root.Ansi() + "\\No\\Such";
    struct Case {
        int field;
        std::wstring typed;
        std::string message;
    };
    const Case cases[] = {
        {IDC_SUFFIX_EDIT, L"ABCD", Text(kConfigSuffixTooLong, 2)},
        {IDC_SUFFIX_EDIT, L"a:b", FormatText(Text(kConfigSuffixBadCharacter, 2), {":"})},
        {IDC_SUFFIX_EDIT, L"R|C", FormatText(Text(kConfigSuffixBadCharacter, 2), {"|"})},
        {IDC_SUFFIX_EDIT, L"\u0416", Text(kConfigSuffixNotAnsi, 2)},
        {IDC_OUTPUT_EDIT, longFolder, FormatText(Text(kConfigOutputTooLong, 2), {199})},
        {IDC_OUTPUT_EDIT, L"C:\\\u0444\u043e\u0442\u043e", Text(kConfigOutputNotAnsi, 2)},
        {IDC_OUTPUT_EDIT, L"Pictures", Text(kConfigOutputNotFull, 2)},
        {IDC_PROGRAM_EDIT, L"C:\\" + std::wstring(199, L'p'),
         FormatText(Text(kConfigProgramTooLong, 2), {202})},
        {IDC_PROGRAM_EDIT, L"C:\\\u0444", Text(kConfigProgramNotAnsi, 2)},
        // Declining to create a missing folder saves nothing either.
        {IDC_OUTPUT_EDIT, Widen(missing),
         FormatText(Text(kConfigCreateOutput, 2), {missing + "\\"})},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(Utf8FromWide(test.typed));
        WriteBytes(folder.Settings(), original);
        MessageBoxWatcher watcher({IDNO});

        RunWindow(folder, [&](ProbedConfigDlg& window) {
            window.Type(test.field, test.typed);
            window.Click(IDOK);
            EXPECT_FALSE(window.Closed());
        });

        ASSERT_EQ(watcher.Count(), 1u);
        EXPECT_EQ(watcher.Boxes()[0].text, test.message);
        EXPECT_EQ(watcher.Boxes()[0].caption, "Velmo Image Recovery");
        EXPECT_EQ(ReadBytes(folder.settings), original);
        EXPECT_FALSE(fs::exists(folder.root.Path() / "No"));
    }
}

// The main program creates only the last level of its output directory: a
// missing one is made with its parents on Yes. A program folder without the
// programs is saved when the user insists.
TEST(ConfigWindowTest, WhatTheUserIsAskedAboutIsSavedOnYes) {
    ConfigFolder folder;
    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    record.SetInstallDirectory(folder.Programs());
    WriteBytes(folder.Settings(), FileOf(record));
    const std::string wanted = folder.root.Ansi() + "\\New\\Deeper\\Pictures";
    MessageBoxWatcher watcher({IDYES, IDYES});

    RunWindow(folder, [&](ProbedConfigDlg& window) {
        window.Type(IDC_OUTPUT_EDIT, Widen(wanted));
        window.Type(IDC_PROGRAM_EDIT, Widen(folder.Pictures()));
        window.Click(IDOK);
        EXPECT_TRUE(window.Closed());
    });

    ASSERT_EQ(watcher.Count(), 2u);
    std::set<std::string> asked = {watcher.Boxes()[0].text, watcher.Boxes()[1].text};
    EXPECT_EQ(asked, (std::set<std::string>{
                         FormatText(Text(kConfigCreateOutput, 1), {wanted + "\\"}),
                         FormatText(Text(kConfigProgramIncomplete, 1), {folder.Pictures()})}));
    EXPECT_TRUE(fs::is_directory(folder.root.Path() / "New" / "Deeper" / "Pictures"));
    SettingsRecord expected = record;
    expected.SetOutputPath(wanted + "\\");
    expected.SetInstallDirectory(folder.Pictures());
    EXPECT_EQ(ReadBytes(folder.settings), FileOf(expected));
}

// A temporary file that cannot be made, or a settings file another program
// holds open, fails the save: the old file stays whole and the user is told.
TEST(ConfigWindowTest, FailedSaveLeavesTheOldFileIntact) {
    ConfigFolder folder;
    const std::string original = FileOf(UnusualRecord(folder.Programs()));
    for (bool heldOpen : {false, true}) {
        SCOPED_TRACE(heldOpen ? "held open" : "temporary blocked");
        WriteBytes(folder.Settings(), original);
        const fs::path blocker = folder.root.Path() / "propImage.pro.new";
        HANDLE held = INVALID_HANDLE_VALUE;
        if (heldOpen)
            held = CreateFileA(folder.Settings().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               0, nullptr);
        else
            fs::create_directory(blocker);
        MessageBoxWatcher watcher({IDOK});

        RunWindow(folder, [&](ProbedConfigDlg& window) {
            window.Type(IDC_SUFFIX_EDIT, L"NEW");
            // A file held open cannot be read either: the folder is offered anew.
            window.Type(IDC_PROGRAM_EDIT, Widen(folder.Programs()));
            window.Click(IDOK);
            EXPECT_FALSE(window.Closed());
        });

        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        fs::remove(blocker);
        ASSERT_EQ(watcher.Count(), 1u);
        EXPECT_EQ(watcher.Boxes()[0].text,
                  FormatText(Text(kConfigSaveFailed, 1), {folder.Settings()}));
        EXPECT_EQ(ReadBytes(folder.settings), original);
    }
}

// Nothing is written until OK; the program folder offered is this program's own.
TEST(ConfigWindowTest, MissingOrDamagedFileIsSaidAndLeftAlone) {
    ConfigFolder folder;
    std::string damaged = FileOf(SettingsRecord::DefaultFileRecord());
    damaged.back() = 5;  // a check value that does not match
    for (bool present : {false, true}) {
        SCOPED_TRACE(present ? "damaged" : "missing");
        if (present) WriteBytes(folder.Settings(), damaged);
        MessageBoxWatcher watcher;

        RunWindow(folder, [&](ProbedConfigDlg& window) {
            EXPECT_TRUE(IsWindowVisible(window.GetDlgItem(IDC_CONFIG_STATUS)));
            EXPECT_EQ(window.Shown(IDC_CONFIG_STATUS),
                      Text(present ? kConfigFileInvalid : kConfigFileMissing, 1));
            EXPECT_EQ(window.Shown(IDC_SUFFIX_EDIT), "REC");
            EXPECT_EQ(window.Shown(IDC_PROGRAM_EDIT), Utf8FromAnsi(RunningProgramFolder()));
        });

        EXPECT_EQ(fs::exists(folder.settings), present);
        if (present) {
            EXPECT_EQ(ReadBytes(folder.settings), damaged);
        }
        EXPECT_EQ(watcher.Count(), 0u);
    }
}

// The texts follow the language list at once; the example line follows the
// fields as they would be saved.
TEST(ConfigWindowTest, LanguageAndExampleFollowTheFieldsAtOnce) {
    ConfigFolder folder;
    WriteBytes(folder.Settings(), FileOf(SettingsRecord::DefaultFileRecord()));

    RunWindow(folder, [&](ProbedConfigDlg& window) {
        EXPECT_FALSE(IsWindowVisible(window.GetDlgItem(IDC_CONFIG_STATUS)));
        EXPECT_EQ(window.Shown(IDC_EXAMPLE),
                  "Pictures from C:\\Work\\Report.doc go to C:\\Work\\ReportREC");
        window.Type(IDC_SUFFIX_EDIT, L"");
        EXPECT_EQ(window.Shown(IDC_EXAMPLE),
                  "Pictures from C:\\Work\\Report.doc go to C:\\Work\\Report");
        window.Type(IDC_OUTPUT_EDIT, L"D:\\Pictures");
        EXPECT_EQ(window.Shown(IDC_EXAMPLE),
                  "Pictures from C:\\Work\\Report.doc go to D:\\Pictures\\ReportREC");

        window.ChooseLanguage(3);
        EXPECT_EQ(window.GetWindowText(), Text(kConfigCaption, 3));
        EXPECT_EQ(window.Shown(IDC_DELETE_OFFER), Text(kConfigDeleteOffer, 3));
        EXPECT_EQ(window.Shown(IDC_EXAMPLE),
                  FormatText(Text(kConfigExample, 3),
                             {"C:\\Work\\Report.doc", "D:\\Pictures\\ReportREC"}));
    });
}

// What no folder can be, and a program folder without the programs, are
// refused at OK with a message of their own, in the window's language; the
// file stays as it was and no folder is made.
TEST(ConfigWindowTest, ImpossibleFoldersAndSuffixesAreRefusedWithTheirReason) {
    ConfigFolder folder;
    SettingsRecord italian = UnusualRecord(folder.Programs());
    italian.SetLanguageIndex(4);
    const std::string original = FileOf(italian);
    const std::string empty = folder.root.Ansi() + "\\Pictures\\";
    const std::string missing = folder.root.Ansi() + "\\No\\";
    auto says = [](const TextSet& texts, std::initializer_list<FormatArg> args = {}) {
        return FormatText(Text(texts, 4), args);
    };
    struct Case {
        int field;
        std::string typed;  // UTF-8
        std::string message;
    };
    const Case cases[] = {
        {IDC_SUFFIX_EDIT, " ", says(kConfigSuffixEndsBadly)},
        {IDC_SUFFIX_EDIT, "a.", says(kConfigSuffixEndsBadly)},
        {IDC_SUFFIX_EDIT, "a:", says(kConfigSuffixBadCharacter, {":"})},
        {IDC_OUTPUT_EDIT, "C:\\a*b", says(kConfigFolderBadCharacter, {"C:\\a*b\\", "*"})},
        {IDC_OUTPUT_EDIT, "C:\\x\\a:b", says(kConfigFolderBadCharacter, {"C:\\x\\a:b\\", ":"})},
        {IDC_OUTPUT_EDIT, "C:\\CON", says(kConfigFolderReservedName, {"C:\\CON\\", "CON", "CON"})},
        {IDC_OUTPUT_EDIT, "C:\\Work\\lpt1.txt",
         "C:\\Work\\lpt1.txt\\ non può essere una cartella: Windows riserva il nome «lpt1.txt» al "
         "dispositivo LPT1."},
        {IDC_OUTPUT_EDIT, "Q:\\Pictures", says(kConfigFolderNoDrive, {"Q:\\Pictures\\", "Q:"})},
        {IDC_PROGRAM_EDIT, "C:\\nul", says(kConfigFolderReservedName, {"C:\\nul\\", "nul", "NUL"})},
        {IDC_PROGRAM_EDIT, "C:\\nul.txt",
         says(kConfigFolderReservedName, {"C:\\nul.txt\\", "nul.txt", "NUL"})},
        {IDC_PROGRAM_EDIT, "Velmo", says(kConfigProgramNotFull)},
        {IDC_PROGRAM_EDIT, "", says(kConfigProgramNotFull)},
        // Asked, and No is the answer given (and the box's default).
        {IDC_PROGRAM_EDIT, empty, says(kConfigProgramIncomplete, {empty})},
        {IDC_PROGRAM_EDIT, missing, says(kConfigProgramIncomplete, {missing})},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.typed);
        WriteBytes(folder.Settings(), original);
        MessageBoxWatcher watcher({IDNO});

        RunWindow(folder, [&](ProbedConfigDlg& window) {
            window.Type(test.field, Widen(test.typed));
            window.Click(IDOK);
            EXPECT_FALSE(window.Closed());
            EXPECT_EQ(GetFocus(), window.GetDlgItem(test.field));
        });

        ASSERT_EQ(watcher.Count(), 1u);
        EXPECT_EQ(watcher.Boxes()[0].text, test.message);
        EXPECT_EQ(ReadBytes(folder.settings), original);
        EXPECT_FALSE(fs::exists(folder.root.Path() / "No"));
    }
}

// Keys beyond what the file holds go nowhere, counted with the backslash a
// folder is saved with.
TEST(ConfigWindowTest, TypingStopsAtWhatTheFileHolds) {
    ConfigFolder folder;
    const std::string folder198 = "C:\\" + std::string(195, 'x');

    RunWindow(folder, [&](ProbedConfigDlg& window) {
        window.TypeKeys(IDC_SUFFIX_EDIT, L"ABCDEF");
        EXPECT_EQ(window.Shown(IDC_SUFFIX_EDIT), "ABC");
        window.TypeKeys(IDC_OUTPUT_EDIT, Widen(folder198 + "yyyy"));
        EXPECT_EQ(window.Shown(IDC_OUTPUT_EDIT), folder198);
        window.TypeKeys(IDC_PROGRAM_EDIT, Widen("C:\\" + std::string(250, 'z')));
        EXPECT_EQ(window.Shown(IDC_PROGRAM_EDIT), "C:\\" + std::string(198, 'z'));
        window.TypeKeys(IDC_PROGRAM_EDIT, Widen("C:\\" + std::string(198, 'z') + "\\"));
        EXPECT_EQ(window.Shown(IDC_PROGRAM_EDIT).size(), 202u);
    });
}

// Defaults puts back every setting but the language the user reads the window in.
TEST(ConfigWindowTest, DefaultsKeepTheLanguage) {
    ConfigFolder folder;
    SettingsRecord record = UnusualRecord(folder.Programs());
    record.SetLanguageIndex(2);
    record.SetSuffix("XYZ");
    record.SetOutputPath(folder.Pictures());
    record.SetDeleteSource(1);
    WriteBytes(folder.Settings(), FileOf(record));

    RunWindow(folder, [&](ProbedConfigDlg& window) {
        window.ChooseLanguage(6);
        window.Click(IDC_DEFAULTS);
        EXPECT_EQ(window.GetWindowText(), Text(kConfigCaption, 6));
        EXPECT_EQ(SendDlgItemMessageW(window.GetSafeHwnd(), IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0),
                  5);
        EXPECT_EQ(window.Shown(IDC_SUFFIX_EDIT), "REC");
        EXPECT_EQ(window.Shown(IDC_OUTPUT_EDIT), "");
        EXPECT_EQ(IsDlgButtonChecked(window.GetSafeHwnd(), IDC_DELETE_OFFER), BST_UNCHECKED);
    });
}

}  // namespace
