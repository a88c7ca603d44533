// The hover button: three pictures cut from a strip, chosen from real draw
// requests and real hover/leave notifications, and its tooltip rules.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/CHoverButton.h"
#include "framework/Afx.h"
#include "tests/controls/HoverTestResources.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/ControlProbes.h"

namespace {

constexpr COLORREF kNormal = RGB(220, 0, 0);
constexpr COLORREF kPressed = RGB(0, 180, 0);
constexpr COLORREF kHover = RGB(0, 0, 220);
constexpr COLORREF kNeverShown = RGB(255, 255, 0);  // column 105 of the strip

class CHoverDialog : public CDialog {
public:
    CHoverDialog() : CDialog(IDD_HOVER_TEST) {}
    CHoverButton m_first;
    CHoverButton m_second;
    CHoverButton m_third;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_HOVER_FIRST, m_first);
        DDX_Control(dx, IDC_HOVER_SECOND, m_second);
        DDX_Control(dx, IDC_HOVER_THIRD, m_third);
    }
};

class HoverButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create());
        SetWindowPos(m_dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        // The dialog gave its first button the focus, whose cue would cover
        // part of its picture; the pictures are looked at without it.
        ::SetFocus(nullptr);
    }
    CRect PlaceInDialog(CWnd& button) {
        CRect rect;
        button.GetWindowRect(&rect);
        m_dialog.ScreenToClient(&rect);
        return rect;
    }
    // The one colour the whole button shows, or CLR_INVALID when it is mixed.
    COLORREF ShownColour(CHoverButton& button) {
        WindowPixels pixels = WindowPixels::Capture(button);
        CRect all(0, 0, pixels.Width(), pixels.Height());
        COLORREF first = pixels.At(0, 0);
        return pixels.CountColor(all, first) == pixels.Width() * pixels.Height() ? first
                                                                                 : CLR_INVALID;
    }
    void SetPressed(CHoverButton& button, bool pressed) {
        button.SendMessage(BM_SETSTATE, pressed);
        button.UpdateWindow();
    }
    CHoverDialog m_dialog;
};

TEST_F(HoverButtonTest, StripOf106PixelsGivesFramesOf35AndResizesTheButtonInPlace) {
    CRect before = PlaceInDialog(m_dialog.m_first);
    ASSERT_TRUE(m_dialog.m_first.LoadStrip(IDB_TEST_STRIP));
    EXPECT_EQ(m_dialog.m_first.GetFrameWidth(), 35);
    EXPECT_EQ(m_dialog.m_first.GetFrameHeight(), 41);
    CRect after = PlaceInDialog(m_dialog.m_first);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.Width(), 35);
    EXPECT_EQ(after.Height(), 41);
}

TEST_F(HoverButtonTest, DrawsExactlyOneFrameAndNeverTheLastColumn) {
    ASSERT_TRUE(m_dialog.m_first.LoadStrip(IDB_TEST_STRIP));
    EXPECT_EQ(ShownColour(m_dialog.m_first), kNormal);

    SetPressed(m_dialog.m_first, true);
    EXPECT_EQ(ShownColour(m_dialog.m_first), kPressed);
    SetPressed(m_dialog.m_first, false);

    m_dialog.m_first.SendMessage(WM_MOUSEHOVER);
    EXPECT_EQ(ShownColour(m_dialog.m_first), kHover);

    // Whatever is drawn, the yellow column of the strip stays hidden.
    WindowPixels pixels = WindowPixels::Capture(m_dialog);
    EXPECT_EQ(pixels.CountColor(CRect(0, 0, pixels.Width(), pixels.Height()), kNeverShown), 0);
}

TEST_F(HoverButtonTest, PressedWinsOverHoverAndReleaseReturnsToHover) {
    CHoverButton& button = m_dialog.m_first;
    ASSERT_TRUE(button.LoadStrip(IDB_TEST_STRIP));
    button.SendMessage(WM_MOUSEHOVER);
    ASSERT_TRUE(button.IsHovering());

    DWORD start = GetTickCount();
    SetPressed(button, true);
    EXPECT_GE(GetTickCount() - start, 70u);  // the pressed picture is held 80 ms
    EXPECT_EQ(ShownColour(button), kPressed);

    SetPressed(button, false);
    EXPECT_EQ(ShownColour(button), kHover);

    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(ShownColour(button), kNormal);
}

// Tab gives the focus as WM_NEXTDLGCTL does: the button becomes the default
// push button, which Enter presses, yet stays owner-drawn and shows its
// picture with the focus cue inside it; the cue goes with the focus.
TEST_F(HoverButtonTest, KeyboardFocusMakesItTheDefaultButtonAndDrawsTheCue) {
    CHoverButton& first = m_dialog.m_first;
    ASSERT_TRUE(first.LoadStrip(IDB_TEST_STRIP));
    ASSERT_TRUE(m_dialog.m_second.LoadStrip(IDB_TEST_STRIP));
    const int middle = first.GetFrameHeight() / 2;

    m_dialog.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first.m_hWnd), TRUE);
    EXPECT_EQ(first.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_TRUE(first.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    WindowPixels focused = WindowPixels::Capture(first);
    EXPECT_EQ(focused.At(0, middle), kNormal);
    // The cue is dotted: one of two neighbouring pixels on its line differs.
    EXPECT_FALSE(focused.At(3, middle) == kNormal && focused.At(3, middle + 1) == kNormal)
        << "no focus cue";

    m_dialog.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_dialog.m_second.m_hWnd), TRUE);
    EXPECT_TRUE(first.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(ShownColour(first), kNormal);
}

TEST_F(HoverButtonTest, RealPointerMovementShowsAndRemovesTheHoverPicture) {
    CHoverButton& button = m_dialog.m_second;
    ASSERT_TRUE(button.LoadStrip(IDB_TEST_STRIP));
    SetForegroundWindow(m_dialog);
    CRect screen;
    button.GetWindowRect(&screen);
    SetCursorPos(screen.left - 40, screen.top + 200);
    PumpMessages(100);

    SetCursorPos(screen.left + 10, screen.top + 10);
    PumpMessages(30);
    SetCursorPos(screen.left + 12, screen.top + 12);  // one move inside starts the tracking
    ASSERT_TRUE(PumpUntil([&] { return button.IsHovering(); }, 3000));
    EXPECT_EQ(ShownColour(button), kHover);

    SetCursorPos(screen.right + 60, screen.bottom + 60);
    ASSERT_TRUE(PumpUntil([&] { return !button.IsHovering(); }, 3000));
    EXPECT_EQ(ShownColour(button), kNormal);
}

TEST_F(HoverButtonTest, NullTooltipTextCreatesNothing) {
    m_dialog.m_first.SetTooltip(nullptr, true);
    EXPECT_EQ(m_dialog.m_first.GetTooltip().m_hWnd, nullptr);
}

TEST_F(HoverButtonTest, TooltipRegistersToolOneOnceOverTheResizedButton) {
    CHoverButton& button = m_dialog.m_first;
    ASSERT_TRUE(button.LoadStrip(IDB_TEST_STRIP));
    button.SetTooltip("Öffnen", true);
    const CToolTipCtrl& tooltip = button.GetTooltip();
    ASSERT_NE(tooltip.m_hWnd, nullptr);
    EXPECT_EQ(tooltip.GetToolCount(), 1);
    EXPECT_EQ(TooltipText(tooltip.m_hWnd, button.m_hWnd, 1), "Öffnen");
    CRect tool;
    ASSERT_TRUE(TooltipRect(tooltip.m_hWnd, button.m_hWnd, 1, &tool));
    EXPECT_EQ(tool, CRect(0, 0, 35, 41));

    button.SetTooltip("Open", true);
    EXPECT_EQ(tooltip.GetToolCount(), 1);
    EXPECT_EQ(TooltipText(tooltip.m_hWnd, button.m_hWnd, 1), "Open");

    button.SetTooltip(nullptr, false);
    EXPECT_EQ(TooltipText(tooltip.m_hWnd, button.m_hWnd, 1), "Open");
}

TEST_F(HoverButtonTest, MessagesThroughTheLoopCreateAnInactiveTooltipWithoutTools) {
    CHoverButton& button = m_dialog.m_third;
    MSG msg{button, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2), GetTickCount(), {0, 0}};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_dialog, &msg));
    ASSERT_NE(button.GetTooltip().m_hWnd, nullptr);
    EXPECT_EQ(button.GetTooltip().GetToolCount(), 0);
}

TEST_F(HoverButtonTest, UnknownBitmapLeavesTheButtonAsItWas) {
    CRect before = PlaceInDialog(m_dialog.m_first);
    EXPECT_FALSE(m_dialog.m_first.LoadStrip(IDB_NOT_THERE));
    EXPECT_EQ(PlaceInDialog(m_dialog.m_first), before);
}

TEST_F(HoverButtonTest, IsAHoverButtonByNameAndABitmapButton) {
    EXPECT_TRUE(CWnd::IsWindowOfClass(m_dialog.m_first, "CHoverButton"));
    EXPECT_TRUE(m_dialog.m_first.IsKindOf(RUNTIME_CLASS(CBitmapButton)));
    EXPECT_FALSE(CWnd::IsWindowOfClass(m_dialog, "CHoverButton"));
}

TEST(HoverButtonLifetimeTest, DestroyingTheButtonRemovesItsTooltipAndWindow) {
    CDialog dialog(IDD_HOVER_TEST);  // binds nothing itself
    ASSERT_TRUE(dialog.Create());
    HWND tooltipWindow;
    HWND buttonWindow = dialog.GetDlgItem(IDC_HOVER_FIRST);
    {
        CHoverButton button;
        ASSERT_TRUE(button.SubclassDlgItem(IDC_HOVER_FIRST, &dialog));
        ASSERT_TRUE(button.LoadStrip(IDB_TEST_STRIP));
        button.SetTooltip("Help", true);
        tooltipWindow = button.GetTooltip().m_hWnd;
        ASSERT_TRUE(IsWindow(tooltipWindow));
    }
    EXPECT_FALSE(IsWindow(tooltipWindow));
    EXPECT_FALSE(IsWindow(buttonWindow));
}

// Shows three buttons (normal, pressed, hovered with its tooltip) for a while, to
// look at them: VELMO_HOLD_MS=5000 ... --gtest_also_run_disabled_tests.
TEST(HoverButtonLook, DISABLED_HoldForScreenshot) {
    CHoverDialog dialog;
    ASSERT_TRUE(dialog.Create());
    for (CHoverButton* button : {&dialog.m_first, &dialog.m_second, &dialog.m_third}) {
        button->LoadStrip(IDB_TEST_STRIP);
        button->SetTooltip("Tooltip des Knopfes – Größe", true);
    }
    dialog.m_second.SendMessage(BM_SETSTATE, TRUE);
    CRect third;
    dialog.m_third.GetWindowRect(&third);
    SetCursorPos(third.left + 5, third.top + 5);
    PumpMessages(50);
    SetCursorPos(third.left + 8, third.top + 8);
    const char* hold = std::getenv("VELMO_HOLD_MS");
    PumpMessages(hold ? static_cast<DWORD>(std::atoi(hold)) : 1000);
}

}  // namespace
