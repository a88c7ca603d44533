// The GUI test support itself: boxes are found, read and answered; drops, pixels,
// temporary folders and child processes work as later tests rely on.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <fstream>

#include "framework/Afx.h"
#include "framework/Text.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

TEST(MessageBoxWatcherTest, ReadsAndAnswersTheBoxesOfThisThreadInOrder) {
    MessageBoxWatcher watcher({IDNO, IDOK});
    int first = MessageBoxW(nullptr, L"Delete the file?\nReally?", L"Velmo Image Recovery",
                            MB_YESNO | MB_ICONQUESTION);
    int second = MessageBoxW(nullptr, L"Größe: 2 KB", L"Übersicht", MB_OK | MB_ICONEXCLAMATION);

    EXPECT_EQ(first, IDNO);
    EXPECT_EQ(second, IDOK);
    ASSERT_TRUE(watcher.WaitForBoxes(2, 1000));
    auto boxes = watcher.Boxes();
    EXPECT_EQ(boxes[0].caption, "Velmo Image Recovery");
    EXPECT_EQ(boxes[0].text, "Delete the file?\nReally?");
    EXPECT_EQ(boxes[0].iconStyle, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_EQ(boxes[1].caption, "Übersicht");
    EXPECT_EQ(boxes[1].text, "Größe: 2 KB");
    EXPECT_EQ(boxes[1].iconStyle, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(MessageBoxWatcherTest, ClosesUnexpectedBoxesAndReportsThem) {
    MessageBoxWatcher watcher({IDYES});
    int answer = MessageBoxW(nullptr, L"Only OK here", L"Caption", MB_OK);
    int unexpected = MessageBoxW(nullptr, L"Nobody expects this", L"Caption", MB_YESNO);

    EXPECT_EQ(answer, IDOK);      // no Yes button: closed with OK instead
    EXPECT_EQ(unexpected, IDNO);  // no answer left: closed with the "no" button
    auto problems = watcher.Problems();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("has no button 6"), std::string::npos);
    EXPECT_NE(problems[1].find("Nobody expects this"), std::string::npos);
}

TEST(MessageBoxWatcherTest, MissingBoxFailsByTimeoutInsteadOfHanging) {
    MessageBoxWatcher watcher({IDOK});
    DWORD start = GetTickCount();
    EXPECT_FALSE(watcher.WaitForBoxes(1, 200));
    EXPECT_LT(GetTickCount() - start, 2000u);
}

TEST(MessageBoxWatcherTest, IgnoresTheBoxesOfOtherThreads) {
    MessageBoxWatcher watcher;
    // A box on another thread is not this thread's business.
    std::thread other([] {
        MessageBoxWatcher own({IDOK});
        MessageBoxW(nullptr, L"Other thread", L"Other", MB_OK);
    });
    other.join();
    PumpMessages(100);
    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_TRUE(watcher.Problems().empty());
}

// Run as a child process by the test below.
TEST(SupportChild, DISABLED_ShowsBoxAndExits) {
    MessageBoxW(nullptr, L"From the child", L"Child caption", MB_OK);
    ExitProcess(7);
}

std::string OwnPath() {
    char path[MAX_PATH * 4] = {};
    GetModuleFileNameA(nullptr, path, static_cast<DWORD>(sizeof(path)));
    return path;
}

TEST(RunProcessTest, ReturnsTheExitCodeAndAnswersTheChildsBoxes) {
    MessageBoxWatcher watcher({IDOK});
    std::string command = "\"" + OwnPath() +
                          "\" --gtest_also_run_disabled_tests "
                          "--gtest_filter=SupportChild.DISABLED_ShowsBoxAndExits";
    ProcessResult result = RunProcess(command, 60000, &watcher);
    ASSERT_TRUE(result.started);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 7u);
    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].caption, "Child caption");
    EXPECT_EQ(watcher.Boxes()[0].text, "From the child");
}

TEST(RunProcessTest, TerminatesAChildThatOutlivesTheTimeout) {
    MessageBoxWatcher watcher({IDOK});  // the child's box would wait for ever otherwise
    std::string command = "\"" + OwnPath() +
                          "\" --gtest_also_run_disabled_tests "
                          "--gtest_filter=SupportChild.DISABLED_ShowsBoxAndExits";
    watcher.WatchProcess(0xFFFFFFF0);  // point it nowhere: the box stays up
    ProcessResult result = RunProcess(command, 1500);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.finished);
}

class CDropTarget : public CWnd {
public:
    std::vector<std::string> m_dropped;

protected:
    void OnDropFiles(HDROP drop) {
        UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            wchar_t path[MAX_PATH] = {};
            DragQueryFileW(drop, i, path, MAX_PATH);
            m_dropped.push_back(Utf8FromWide(path));
        }
        DragFinish(drop);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropTarget, CWnd)
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

TEST(SendDropFilesTest, DeliversThePathsInOrderInEitherEncoding) {
    // The ANSI drop can carry only what code page 1252 holds.
    const std::vector<std::string> ansi = {"C:\\a\\one.doc",
                                           "C:\\b\\Gr\xC3\xB6\xC3\x9F"
                                           "e.doc"};
    std::vector<std::string> wide = ansi;
    wide.push_back("C:\\\xE6\x8A\xA5\xE5\x91\x8A \xF0\x9F\x93\xB7.doc");  // 报告 📷
    for (DropEncoding encoding : {DropEncoding::Ansi, DropEncoding::Wide}) {
        CDropTarget target;
        ASSERT_TRUE(target.CreateEx(0, nullptr, "drop", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
        const auto& paths = encoding == DropEncoding::Wide ? wide : ansi;
        SendDropFiles(target, paths, POINT{10, 10}, encoding);
        EXPECT_EQ(target.m_dropped, paths);
    }
}

class CSolidWindow : public CWnd {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(10, 200, 30));
        CRect corner(0, 0, 5, 5);
        dc.FillSolidRect(&corner, RGB(250, 0, 120));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSolidWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(WindowPixelsTest, ReadsWhatTheWindowPainted) {
    CSolidWindow window;
    ASSERT_TRUE(window.CreateEx(WS_EX_TOPMOST, nullptr, "pixels", WS_POPUP | WS_VISIBLE, 40, 40, 60,
                                30, nullptr, nullptr));
    WindowPixels pixels = WindowPixels::Capture(window);
    ASSERT_EQ(pixels.Width(), 60);
    ASSERT_EQ(pixels.Height(), 30);
    EXPECT_EQ(pixels.At(2, 2), RGB(250, 0, 120));
    EXPECT_EQ(pixels.At(30, 20), RGB(10, 200, 30));
    EXPECT_EQ(pixels.CountColor(CRect(0, 0, 60, 30), RGB(250, 0, 120)), 25);
}

TEST(TempFolderTest, HoldsFilesAndIsRemovedWithThem) {
    std::filesystem::path kept;
    {
        TempFolder folder("support");
        kept = folder.Path();
        auto file = folder.WriteFile("a.bin", std::string("\x00\x01\x02", 3));
        EXPECT_EQ(std::filesystem::file_size(file), 3u);
        EXPECT_EQ(
            GetFileAttributesA((folder.Ansi() + "\\a.bin").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

}  // namespace
