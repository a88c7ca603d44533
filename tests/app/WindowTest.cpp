// The painted title band and background of the main window, and the order in
// which Tab visits its controls.
#include <gtest/gtest.h>

#include <vector>

#include "app/TitleBand.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

// A spot of the background that no control covers lies in the band that starts
// at the last multiple of ten above it: later bands start below it.
COLORREF ExpectedBackground(int y) { return BandColour(y / kBandStep * kBandStep); }

RECT ItemRect(ProbedRecoveryDlg& dialog, int id) {
    RECT rect;
    GetWindowRect(dialog.Item(id), &rect);
    MapWindowPoints(nullptr, dialog.GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(WindowTest, PaintsTheTitleBandAndTheBlueBands) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    MessageBoxWatcher watcher;

    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        WindowPixels pixels = WindowPixels::Capture(shown.GetSafeHwnd());
        const int right = pixels.Width() - 5;
        EXPECT_EQ(pixels.At(right, 10), kTitleDarkGreen);  // the wide line along the top
        EXPECT_EQ(pixels.At(400, 10), kTitleDarkGreen);
        EXPECT_EQ(pixels.At(right, 30), kTitleBrightGreen);  // the thin line under it
        EXPECT_EQ(pixels.At(120, 52), kTitleBrightGreen);    // the thin line under the title

        RECT title{9, 25, 260, 40};
        EXPECT_GT(pixels.CountColor(title, kTitleTextColour), 20) << "no title letters";
        EXPECT_GT(pixels.CountColor(title, kTitleDarkGreen), 200) << "no dark cells behind them";

        // Above the list, right of the Empty List button, and below the list.
        RECT list = ItemRect(shown, IDC_DOCUMENT_LIST);
        RECT emptyList = ItemRect(shown, IDC_EMPTY_BUTTON);
        const int aboveList = list.top - 4;
        const int belowList = list.bottom + 4;
        ASSERT_GT(aboveList, 62);
        EXPECT_EQ(pixels.At(list.right - 10, aboveList), ExpectedBackground(aboveList));
        EXPECT_EQ(pixels.At(emptyList.right + 30, aboveList), ExpectedBackground(aboveList));
        EXPECT_EQ(pixels.At(list.right - 10, belowList), ExpectedBackground(belowList));
        EXPECT_EQ(ExpectedBackground(0), RGB(0, 3, 123));
    });
    dialog.DoModal();
    EXPECT_EQ(watcher.Count(), 0u);
}

TEST(WindowTest, BandColoursWrapPastTheFortyFifthBand) {
    EXPECT_EQ(BandColour(0), RGB(0, 3, 123));
    EXPECT_EQ(BandColour(440), RGB(0, 135, 255));  // k = 45
    EXPECT_EQ(BandColour(450), RGB(0, 138, 2));    // k = 46: 258 wraps to 2
}

TEST(WindowTest, DraggedMinimisedWindowShowsTheProgramIcon) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        ASSERT_NE(shown.GetIcon(), nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(shown.SendMessage(WM_QUERYDRAGICON)), shown.GetIcon());
        EXPECT_EQ(reinterpret_cast<HICON>(shown.SendMessage(WM_GETICON, ICON_BIG)),
                  shown.GetIcon());
        EXPECT_EQ(reinterpret_cast<HICON>(shown.SendMessage(WM_GETICON, ICON_SMALL)),
                  shown.GetIcon());
    });
    dialog.DoModal();
}

std::vector<int> ChildIdsInOrder(HWND parent) {
    std::vector<int> ids;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    return ids;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The order the dialog manager gives the template's items when nothing else
// touches them.
std::vector<int> TemplateOrder() {
    HWND plain =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_RECOVERY_DIALOG),
                           nullptr, PlainDialogProc, 0);
    std::vector<int> ids = ChildIdsInOrder(plain);
    DestroyWindow(plain);
    return ids;
}

TEST(WindowTest, TabGoesThroughTheControlsInTheOrderOfTheTemplate) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        const std::vector<int> expected = TemplateOrder();
        ASSERT_GT(expected.size(), 8u);
        EXPECT_EQ(ChildIdsInOrder(shown.GetSafeHwnd()), expected);

        HWND list = shown.Item(IDC_DOCUMENT_LIST);
        SetFocus(list);
        PostMessageW(list, WM_KEYDOWN, VK_TAB, 1);
        PumpMessages(50);
        EXPECT_EQ(GetFocus(), shown.Item(IDC_OPEN_BUTTON)) << "from the list, Tab reaches Open";
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        PumpMessages(50);
        EXPECT_EQ(GetFocus(), shown.Item(IDC_EXTRACT_BUTTON)) << "and then Extract";
    });
    dialog.DoModal();
}

}  // namespace
