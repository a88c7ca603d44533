// The About box: the credits of the language in the settings file, a missing
// file reported and rewritten, and the main window's About command opening a box
// that OK closes.
#include <gtest/gtest.h>

#include <string>

#include "app/CAboutBox.h"
#include "framework/CWinApp.h"
#include "lang/Credits.h"
#include "res/resource.h"
#include "settings/SettingsRecord.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

class CTestAboutBox : public CAboutBox {
public:
    CScrollHotStatic& Credits() { return m_credits; }
};

std::string Blanks(int count)
{
    return std::string(static_cast<size_t>(count), ' ');
}

TEST(AboutBoxTest, ShowsTheCreditsInTheLanguageOfTheSettingsFile)
{
    SettingsFileGuard guard;
    MessageBoxWatcher watcher;
    WriteValidSettings(RecordWith(LANG_ROMANIAN));
    CTestAboutBox romanian;
    ASSERT_TRUE(romanian.Create());
    EXPECT_EQ(romanian.LanguageIndex(), LANG_ROMANIAN);
    const std::vector<CreditLine>& lines = romanian.Credits().GetLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text, Blanks(38) + "Velmo Image Recovery" + Blanks(58));
    EXPECT_EQ(lines[0].link, kMakerWebShort);
    EXPECT_EQ(lines[0].indent, 12);
    EXPECT_EQ(lines[1].text, Blanks(53));
    EXPECT_EQ(lines[2].text,
              Blanks(3) + "VQT este un utilitar pentru recuperarea de imagini din fisiere MSOffice" +
                  Blanks(2));
    for (size_t plain = 1; plain < lines.size(); ++plain) EXPECT_TRUE(lines[plain].link.empty());

    // A language the program never writes reads as English.
    SettingsRecord unknown = RecordWith(LANG_ENGLISH);
    unknown.bytes[SettingsLayout::kLanguageIndexOffset] = 9;
    WriteValidSettings(unknown);
    CTestAboutBox english;
    ASSERT_TRUE(english.Create());
    EXPECT_EQ(english.LanguageIndex(), LANG_ENGLISH);
    EXPECT_EQ(english.Credits().GetLines()[0].text, Blanks(35) + "Velmo Image Recovery" + Blanks(50));
    EXPECT_EQ(watcher.Count(), 0u) << "a valid file is read without a word";
}

TEST(AboutBoxTest, MissingSettingsFileIsReportedRewrittenAndTheCreditsAreEnglish)
{
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(LANG_GERMAN));
    RemoveSettingsFile();
    MessageBoxWatcher watcher({IDOK});
    CTestAboutBox box;
    ASSERT_TRUE(box.Create());

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].caption, "Velmo Image Recovery");
    EXPECT_EQ(watcher.Boxes()[0].text, "Missing file. Please reinstall!");
    EXPECT_TRUE(watcher.Problems().empty());

    const SettingsRecord defaults = SettingsRecord::DefaultFileRecord();
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()),
              std::string(defaults.bytes.begin(), defaults.bytes.end()) + std::string(4, '\0'));
    EXPECT_EQ(box.LanguageIndex(), LANG_ENGLISH);
    const std::vector<CreditLine>& lines = box.Credits().GetLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1].text, Blanks(50));
    EXPECT_EQ(lines[2].text, Blanks(4) + "VQT is a image recovery utility for MSOffice files." + Blanks(1));
}

// ---- The About command of the main window --------------------------------------------

struct SeenAboutBox {
    HWND box = nullptr;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool visible = false;
    bool okEndedIt = false;
};
SeenAboutBox g_seen;

BOOL CALLBACK FindAboutBox(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && CWnd::IsWindowOfClass(GetDlgItem(window, IDC_CREDITS), "CScrollHotStatic")) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the About box's own loop: notes how the box stands, then presses OK.
void CALLBACK PressOkInAboutBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindAboutBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    g_seen.box = box;
    g_seen.owner = GetWindow(box, GW_OWNER);
    g_seen.ownerEnabled = IsWindowEnabled(g_seen.owner) != FALSE;
    g_seen.visible = IsWindowVisible(box) != FALSE;
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    CWnd* dialog = CWnd::FromHandlePermanent(box);
    g_seen.okEndedIt = dialog && !dialog->ContinueModal();
    if (!g_seen.okEndedIt)
        SendMessageW(box, WM_COMMAND, IDCANCEL, 0);  // so that a failing test cannot hang
}

TEST(AboutBoxTest, AboutCommandOpensTheBoxOverTheMainWindowAndOkClosesIt)
{
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(LANG_ENGLISH));
    MessageBoxWatcher watcher;
    g_seen = SeenAboutBox{};
    bool closed = false;
    bool mainEnabledAgain = false;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        UINT_PTR timer = SetTimer(nullptr, 0, 50, PressOkInAboutBox);
        shown.Command(ID_HELP_ABOUT);  // returns when the box has closed
        KillTimer(nullptr, timer);
        closed = g_seen.box && !IsWindow(g_seen.box);
        mainEnabledAgain = shown.IsWindowEnabled() != FALSE;
        EXPECT_EQ(g_seen.owner, shown.GetSafeHwnd());
    });
    CWinApp app;  // as the program's own, with the main window as its main window
    app.m_pMainWnd = &dialog;
    dialog.DoModal();
    app.m_pMainWnd = nullptr;

    ASSERT_NE(g_seen.box, nullptr) << "no About box showed";
    EXPECT_TRUE(g_seen.visible);
    EXPECT_FALSE(g_seen.ownerEnabled) << "the main window waits while the box is open";
    EXPECT_TRUE(g_seen.okEndedIt) << "OK closes the box";
    EXPECT_TRUE(closed) << "and it is destroyed";
    EXPECT_TRUE(mainEnabledAgain);
    EXPECT_EQ(watcher.Count(), 0u);
}

}  // namespace
