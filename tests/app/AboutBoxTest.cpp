// The About box: the credits of the language in the settings file, a missing
// or unreadable file reported, the main window's About command opening a box
// that OK closes, and credits that move again after a box closed under the pointer.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "app/CAboutBox.h"
#include "framework/CWinApp.h"
#include "lang/Credits.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

class CTestAboutBox : public CAboutBox {
public:
    CScrollHotStatic& Credits() { return m_credits; }
    bool failReadAfterCheck = false;

protected:
    std::unique_ptr<SettingsFile> MakeSettingsFile(const std::string& path) override;
};

// Passes the check (two reads), then cannot be opened for the read of the record,
// as when another program takes the file at just that moment.
class CUnreadableAfterCheck : public SettingsFile {
public:
    using SettingsFile::SettingsFile;

protected:
    std::FILE* OpenStream(const std::string& path, const char* mode) override {
        if (std::strcmp(mode, "rb") == 0 && ++m_reads == 3) return nullptr;
        return SettingsFile::OpenStream(path, mode);
    }

private:
    int m_reads = 0;
};

std::unique_ptr<SettingsFile> CTestAboutBox::MakeSettingsFile(const std::string& path) {
    if (failReadAfterCheck) return std::make_unique<CUnreadableAfterCheck>(path);
    return CAboutBox::MakeSettingsFile(path);
}

std::string Blanks(int count) { return std::string(static_cast<size_t>(count), ' '); }

TEST(AboutBoxTest, ShowsTheCreditsInTheLanguageOfTheSettingsFile) {
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
              Blanks(3) +
                  "VQT este un utilitar pentru recuperarea de imagini din fisiere MSOffice" +
                  Blanks(2));
    for (size_t plain = 1; plain < lines.size(); ++plain) EXPECT_TRUE(lines[plain].link.empty());

    // A language the program never writes reads as English.
    SettingsRecord unknown = RecordWith(LANG_ENGLISH);
    unknown.bytes[SettingsLayout::kLanguageIndexOffset] = 9;
    WriteValidSettings(unknown);
    CTestAboutBox english;
    ASSERT_TRUE(english.Create());
    EXPECT_EQ(english.LanguageIndex(), LANG_ENGLISH);
    EXPECT_EQ(english.Credits().GetLines()[0].text,
              Blanks(35) + "Velmo Image Recovery" + Blanks(50));
    EXPECT_EQ(watcher.Count(), 0u) << "a valid file is read without a word";
}

TEST(AboutBoxTest, MissingSettingsFileIsReportedRewrittenAndTheCreditsAreEnglish) {
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
    EXPECT_EQ(lines[2].text,
              Blanks(4) + "VQT is a image recovery utility for MSOffice files." + Blanks(1));
}

TEST(AboutBoxTest, SettingsFileUnreadableAfterItsCheckIsReportedAndTheCreditsAreEnglish) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(LANG_GERMAN));
    const std::string german = ReadFileBytes(RealSettingsPath());
    MessageBoxWatcher watcher({IDOK});
    CTestAboutBox box;
    box.failReadAfterCheck = true;
    ASSERT_TRUE(box.Create()) << "the box (and this process) goes on";

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].caption, "Velmo Image Recovery");
    EXPECT_EQ(watcher.Boxes()[0].text, "Missing file. Please reinstall!");
    EXPECT_EQ(box.LanguageIndex(), LANG_ENGLISH);
    EXPECT_EQ(box.Credits().GetLines()[2].text,
              Blanks(4) + "VQT is a image recovery utility for MSOffice files." + Blanks(1));
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), german) << "a sound file is not overwritten";
}

// ---- The box run modally, as the About command runs it ---------------------------------

struct SeenAboutBox {
    HWND box = nullptr;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool visible = false;
    bool okEndedIt = false;
};
SeenAboutBox g_seen;

BOOL CALLBACK FindAboutBox(HWND window, LPARAM found) {
    if (IsWindowVisible(window) &&
        CWnd::IsWindowOfClass(GetDlgItem(window, IDC_CREDITS), "CScrollHotStatic")) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

std::function<void(HWND)> g_inAboutBox;

// Plays g_inAboutBox once inside the About box's own loop, as soon as the box shows.
void CALLBACK PlayInAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindAboutBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    KillTimer(nullptr, timer);
    std::function<void(HWND)> script = std::move(g_inAboutBox);
    script(box);
}

// Opens the box with `open` (which returns when the box has closed) while `script` plays in it.
void WithAboutBox(const std::function<void()>& open, std::function<void(HWND)> script) {
    g_inAboutBox = std::move(script);
    UINT_PTR timer = SetTimer(nullptr, 0, 50, PlayInAboutBox);
    open();
    KillTimer(nullptr, timer);
    g_inAboutBox = nullptr;
}

// Notes how the box stands, then presses OK.
void PressOkInAboutBox(HWND box) {
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

TEST(AboutBoxTest, AboutCommandOpensTheBoxOverTheMainWindowAndOkClosesIt) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(LANG_ENGLISH));
    MessageBoxWatcher watcher;
    g_seen = SeenAboutBox{};
    bool closed = false;
    bool mainEnabledAgain = false;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        WithAboutBox([&] { shown.Command(ID_HELP_ABOUT); }, PressOkInAboutBox);
        closed = g_seen.box && !IsWindow(g_seen.box);
        mainEnabledAgain = ::IsWindowEnabled(shown.m_hWnd) != FALSE;
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

RECT CreditsOnScreen(HWND box) {
    HWND panel = GetDlgItem(box, IDC_CREDITS);
    RECT client;
    GetClientRect(panel, &client);
    MapWindowPoints(panel, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// Whether the credits change on screen within a few of the scroll timer's ticks.
bool CreditsMove(HWND box) {
    HWND panel = GetDlgItem(box, IDC_CREDITS);
    WindowPixels before = WindowPixels::AsShown(panel);
    PumpMessages(400);
    return !(WindowPixels::AsShown(panel) == before);
}

void PressEnter(HWND box) { PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_RETURN, 1); }

// A box closed with Enter while the pointer rests on its credits leaves the
// scrolling paused for the next box, which must still start again once the
// pointer has been in and out, and must not keep a link line lit.
TEST(AboutBoxTest, CreditsMoveAgainAfterABoxClosedWithThePointerOnThem) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(LANG_ENGLISH));
    MessageBoxWatcher watcher;
    CScrollHotStatic::Scroll() = CreditsScroll{};
    SetCursorPos(1270, 1010);  // well away from where the box shows
    PumpMessages(100);
    const auto openBox = [] {
        CAboutBox box;
        box.DoModal();
    };

    WithAboutBox(openBox, [](HWND box) {
        const RECT credits = CreditsOnScreen(box);
        EXPECT_TRUE(CreditsMove(box));
        SetCursorPos(credits.left + 20, credits.top + 20);
        PumpMessages(50);
        SetCursorPos(credits.left + 22, credits.top + 22);
        PumpMessages(100);
        EXPECT_FALSE(CreditsMove(box)) << "standing still under the pointer";
        PressEnter(box);
    });
    ASSERT_FALSE(CScrollHotStatic::Scroll().scrollRunning)
        << "closed with the pointer on the credits";

    bool stillAtFirst = false;
    bool movingAfterInAndOut = false;
    int litPixels = -1;
    WithAboutBox(openBox, [&](HWND box) {
        HWND panel = GetDlgItem(box, IDC_CREDITS);
        PumpMessages(100);
        stillAtFirst = !CreditsMove(box);

        // In across the title line (a link), then out of the box altogether.
        const auto* credits = static_cast<CScrollHotStatic*>(CWnd::FromHandlePermanent(panel));
        const CreditsScroll& scroll = CScrollHotStatic::Scroll();
        const RECT area = CreditsOnScreen(box);
        const int titleRow = scroll.entryGap - scroll.exitOffset + credits->GetLineHeight() / 2;
        SetCursorPos(area.left + 60, area.top + titleRow);
        PumpMessages(50);
        SetCursorPos(area.left + 62, area.top + titleRow);
        PumpMessages(50);
        SetCursorPos(1270, 1010);
        PumpMessages(100);

        movingAfterInAndOut = CreditsMove(box);
        WindowPixels shown = WindowPixels::AsShown(panel);
        litPixels = shown.CountColor(CRect(0, 0, shown.Width(), shown.Height()), RGB(255, 0, 0));
        PressEnter(box);
    });
    EXPECT_TRUE(stillAtFirst) << "the next box starts where the last one stopped, standing";
    EXPECT_TRUE(movingAfterInAndOut) << "and moves once the pointer has been in and out";
    EXPECT_EQ(litPixels, 0) << "no link line left in the hover colour";
    EXPECT_EQ(watcher.Count(), 0u);
}

}  // namespace
