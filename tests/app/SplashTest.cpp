// The splash: its picture and text line, and that it closes by itself.
#include <gtest/gtest.h>

#include "app/CSplashDlg.h"
#include "framework/CDC.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

constexpr UINT kLookMessage = WM_APP + 51;

// Looks at the splash as soon as it is shown.
class WatchedSplash : public CSplashDlg {
public:
    WatchedSplash() : CSplashDlg(nullptr) {}
    WindowPixels seen;

protected:
    BOOL OnInitDialog() override {
        BOOL result = CSplashDlg::OnInitDialog();
        PostMessage(kLookMessage);
        return result;
    }
    LRESULT OnLook(WPARAM, LPARAM) {
        seen = WindowPixels::Capture(GetSafeHwnd());
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(WatchedSplash, CSplashDlg)
    ON_MESSAGE(kLookMessage, OnLook)
END_MESSAGE_MAP()

// How many pixels of the rows differ from the background picture.
int DifferencesFromBackground(const WindowPixels& pixels, int top, int bottom) {
    HBITMAP background = LoadProgramBitmap(IDB_BACKGROUND);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(background);
    int differences = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < pixels.Width(); ++x)
            differences += pixels.At(x, y) != memory.GetPixel(x, y);
    }
    memory.DeleteDC();
    DeleteObject(background);
    return differences;
}

TEST(SplashTest, ClosesByItselfAfterAboutOneSecond) {
    WatchedSplash splash;
    const DWORD start = GetTickCount();
    INT_PTR result = splash.DoModal();
    const DWORD elapsed = GetTickCount() - start;

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(splash.TickCount(), 1);
    EXPECT_GE(elapsed, 900u);
    EXPECT_LE(elapsed, 2000u);
}

TEST(SplashTest, ShowsTheBackgroundPictureWithTheTextLineOverIt) {
    WatchedSplash splash;
    splash.DoModal();
    const WindowPixels& pixels = splash.seen;
    ASSERT_GT(pixels.Height(), 180);
    ASSERT_LE(pixels.Width(), 569);

    EXPECT_EQ(DifferencesFromBackground(pixels, 0, 155), 0) << "the picture above the line";
    const int lineArea = pixels.Width() * 20;
    const int letters = DifferencesFromBackground(pixels, 160, 180);
    EXPECT_GT(letters, 100) << "no text line at y = 160";
    EXPECT_LT(letters, lineArea / 3) << "the line has a background box";
    RECT line{0, 160, pixels.Width(), 180};
    EXPECT_GT(pixels.CountColor(line, RGB(0, 0, 0)), 20) << "the letters are black";
}

}  // namespace
