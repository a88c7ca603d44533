// The main window with large fonts (144 DPI): nothing covers the painted
// title and no column caption is cut. The ctest large_fonts_app_tests runs
// these in a Wine prefix of their own set to 144 DPI; at 96 DPI they skip.
#include <gtest/gtest.h>

#include "app/TitleBand.h"
#include "framework/Text.h"
#include "framework/WindowDC.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

// Where the painted title's letters stand, in client pixels.
RECT TitleRect(HWND window) {
    HDC dc = GetDC(window);
    HFONT font = CreateFontW(14, 9, 0, 20, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"Arial");
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent;
    const std::wstring title = Widen(kPaintedTitle);
    GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(window, dc);
    return RECT{9, 25, 9 + extent.cx, 25 + extent.cy};
}

BOOL CALLBACK CollectVisibleChild(HWND child, LPARAM found) {
    if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

TEST(LargeFonts, NothingCoversTheTitleAndTheColumnsHoldTheirCaptions) {
    if (ScreenDpi() == kNormalDpi) GTEST_SKIP() << "run at 144 DPI by large_fonts_app_tests";
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        const RECT title = TitleRect(shown.GetSafeHwnd());
        std::vector<HWND> children;
        EnumChildWindows(shown.GetSafeHwnd(), CollectVisibleChild,
                         reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) {
            RECT place;
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, shown.GetSafeHwnd(), reinterpret_cast<POINT*>(&place), 2);
            RECT overlap;
            EXPECT_FALSE(IntersectRect(&overlap, &place, &title))
                << "control " << GetDlgCtrlID(child) << " covers the title";
        }
        WindowPixels pixels = WindowPixels::Capture(shown.GetSafeHwnd());
        EXPECT_GT(pixels.CountColor(title, kTitleTextColour), 50) << "no title letters";

        HWND list = shown.Item(IDC_DOCUMENT_LIST);
        for (int column = 0; column < 4; ++column) {
            const std::wstring caption = Widen(ColumnCaption(list, column));
            const int needed = static_cast<int>(SendMessageW(
                list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(caption.c_str())));
            // The header leaves a margin on each side of its text.
            EXPECT_LE(needed + 12, ColumnWidth(list, column)) << Utf8FromWide(caption);
        }
    });
    dialog.DoModal();
}

}  // namespace
