// The credits panel: the block rising one pixel per paint in an endless loop,
// the pause under the pointer, the line under the pointer, and the one scroll
// position that all panels of the program run share.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/CScrollHotStatic.h"
#include "framework/Afx.h"
#include "tests/controls/LinkTestResources.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kVisitedColour = RGB(128, 0, 128);
constexpr COLORREF kHoverColour = RGB(255, 0, 0);
constexpr UINT_PTR kScrollTimer = 1000;

// Stands in for the shell: records the links it is asked to open.
class CRecordingPanel : public CScrollHotStatic {
public:
    bool OpenLineLink(const std::string& link) override {
        opened.push_back(link);
        return true;
    }
    std::vector<std::string> opened;
};

class CPanelDialog : public CDialog {
public:
    CPanelDialog() : CDialog(IDD_PANEL_TEST) {
        m_panel.AddLine("Link line", "www.one.example.com", 12);
        m_panel.AddLine("Plain line", nullptr, 0);
        m_panel.AddLine("Second link", "www.two.example.com", 0);
    }
    CRecordingPanel m_panel;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_TEST_PANEL, m_panel); }
};

std::unique_ptr<CPanelDialog> ShowPanelDialog() {
    SetCursorPos(1270, 1010);  // away from the panel, which shows in the middle of the screen
    auto dialog = std::make_unique<CPanelDialog>();
    EXPECT_TRUE(dialog->Create());
    SetWindowPos(*dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    // The box's own background now, so that it cannot cover the panel later.
    RedrawWindow(*dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASENOW | RDW_NOCHILDREN);
    return dialog;
}

// One paint of the panel, nothing pumped (WindowPixels::Capture paints once too).
void Paint(HWND panel) { RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

int TopRowOf(const WindowPixels& pixels, COLORREF colour) {
    for (int y = 0; y < pixels.Height(); ++y) {
        if (pixels.CountColor(CRect(0, y, pixels.Width(), y + 1), colour) > 0) return y;
    }
    return -1;
}

int CountAll(const WindowPixels& pixels, COLORREF colour) {
    return pixels.CountColor(CRect(0, 0, pixels.Width(), pixels.Height()), colour);
}

int PanelHeight(HWND panel) {
    RECT client;
    GetClientRect(panel, &client);
    return client.bottom;
}

// How far the block has come since it began to enter.
int Travelled(int height) {
    const CreditsScroll& scroll = CScrollHotStatic::Scroll();
    return scroll.enterPhase ? height - scroll.entryGap : height + scroll.exitOffset;
}

bool IsHot(const CScrollHotStatic& panel, size_t line) {
    return (panel.GetLines()[line].flags & LINE_HOT) != 0;
}

void MoveTo(CScrollHotStatic& panel, int y) {
    panel.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, y));
}

class ScrollHotStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        CScrollHotStatic::Scroll() = CreditsScroll{};
        m_dialog = ShowPanelDialog();
        m_height = PanelHeight(m_dialog->m_panel);
        ASSERT_GT(m_height, 60);
    }
    // Paints once and stops the timer, so that only the test's paints move the block.
    void FirstPaintWithoutTimer() {
        Paint(m_dialog->m_panel);
        m_dialog->m_panel.KillTimer(kScrollTimer);
    }
    std::unique_ptr<CPanelDialog> m_dialog;
    int m_height = 0;
};

TEST_F(ScrollHotStaticTest, BeforeTheFirstPaintNoLineCanBeHot) {
    CRecordingPanel& panel = m_dialog->m_panel;
    EXPECT_EQ(panel.GetLineHeight(), -1);
    MoveTo(panel, 2);  // pauses
    MoveTo(panel, 2);  // would be on the first line
    EXPECT_FALSE(IsHot(panel, 0));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));

    CScrollHotStatic::Scroll().scrollRunning = true;
    Paint(panel);
    EXPECT_GT(panel.GetLineHeight(), 8);
}

TEST_F(ScrollHotStaticTest, BlockRisesOnePixelPerPaintAndLoops) {
    HWND panel = m_dialog->m_panel;
    FirstPaintWithoutTimer();
    const CreditsScroll& scroll = CScrollHotStatic::Scroll();
    EXPECT_TRUE(scroll.enterPhase);
    EXPECT_EQ(scroll.entryGap, m_height - 1);

    // Once the first line is in, each paint shows it one row higher.
    while (scroll.entryGap > 30) Paint(panel);
    int top = TopRowOf(WindowPixels::Capture(panel), kLinkColour);
    ASSERT_GE(top, 30);
    EXPECT_EQ(TopRowOf(WindowPixels::Capture(panel), kLinkColour), top - 1);
    EXPECT_EQ(TopRowOf(WindowPixels::Capture(panel), kLinkColour), top - 2);

    while (Travelled(m_height) < m_height) Paint(panel);
    EXPECT_TRUE(scroll.enterPhase);
    EXPECT_EQ(scroll.entryGap, 0);
    Paint(panel);
    EXPECT_FALSE(scroll.enterPhase);
    EXPECT_EQ(scroll.exitOffset, 1);
    while (scroll.exitOffset < m_height) Paint(panel);
    Paint(panel);
    EXPECT_TRUE(scroll.enterPhase) << "gone at the top, in again at the bottom";
    EXPECT_EQ(scroll.entryGap, m_height - 1);
}

TEST_F(ScrollHotStaticTest, PointerOverThePanelPausesAndLeavingResumes) {
    CRecordingPanel& panel = m_dialog->m_panel;
    SetForegroundWindow(*m_dialog);
    CRect screen;
    panel.GetWindowRect(&screen);
    SetCursorPos(screen.right + 100, screen.bottom + 100);
    Paint(panel);
    PumpMessages(300);
    const int running = Travelled(m_height);
    EXPECT_GE(running, 4) << "the timer moves the block";

    SetCursorPos(screen.left + 20, screen.top + 20);
    PumpMessages(30);
    SetCursorPos(screen.left + 22, screen.top + 22);
    ASSERT_TRUE(PumpUntil([] { return !CScrollHotStatic::Scroll().scrollRunning; }, 3000));
    const int paused = Travelled(m_height);
    PumpMessages(300);
    Paint(panel);
    EXPECT_EQ(Travelled(m_height), paused) << "standing still under the pointer";

    SetCursorPos(screen.right + 100, screen.bottom + 100);
    ASSERT_TRUE(PumpUntil([] { return CScrollHotStatic::Scroll().scrollRunning; }, 3000));
    PumpMessages(300);
    EXPECT_GE(Travelled(m_height), paused + 4) << "moving again once the pointer left";
}

TEST_F(ScrollHotStaticTest, TheLinkLineUnderThePointerLightsUpAndOpensOnClick) {
    CRecordingPanel& panel = m_dialog->m_panel;
    FirstPaintWithoutTimer();
    CreditsScroll& scroll = CScrollHotStatic::Scroll();
    scroll.enterPhase = true;
    scroll.entryGap = 10;
    const int lineHeight = panel.GetLineHeight();
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    // The real pointer rests on the panel (scrolling paused), the moves below say where.
    CRect screen;
    panel.GetWindowRect(&screen);
    SetCursorPos(screen.left + 30, screen.top + 40);
    ASSERT_TRUE(PumpUntil([] { return !CScrollHotStatic::Scroll().scrollRunning; }, 3000));
    MoveTo(panel, 10 + 2 * lineHeight + 1);
    EXPECT_TRUE(IsHot(panel, 2));
    EXPECT_FALSE(IsHot(panel, 0));
    EXPECT_NE(GetCursor(), arrow);
    WindowPixels lit = WindowPixels::Capture(panel);
    EXPECT_GE(TopRowOf(lit, kHoverColour), 10 + 2 * lineHeight);
    EXPECT_GT(CountAll(lit, kLinkColour), 20) << "the other link line keeps the link colour";

    for (int plainOrAbove : {10 + lineHeight + 1, 5}) {
        MoveTo(panel, plainOrAbove);
        for (size_t line = 0; line < 3; ++line) EXPECT_FALSE(IsHot(panel, line)) << plainOrAbove;
        EXPECT_EQ(GetCursor(), arrow);
    }
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
    panel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
    EXPECT_TRUE(panel.opened.empty()) << "no line under the pointer, nothing opened";

    MoveTo(panel, 11);
    ASSERT_TRUE(IsHot(panel, 0));
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 11));
    panel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 11));
    EXPECT_EQ(panel.opened, std::vector<std::string>{"www.one.example.com"});
    panel.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(IsHot(panel, 0));
    WindowPixels visited = WindowPixels::Capture(panel);
    EXPECT_GT(CountAll(visited, kVisitedColour), 20);
    EXPECT_EQ(CountAll(visited, kHoverColour), 0);
}

TEST_F(ScrollHotStaticTest, ANewPanelGoesOnFromWhereTheLastOneStopped) {
    FirstPaintWithoutTimer();
    for (int i = 0; i < 4; ++i) Paint(m_dialog->m_panel);
    const int reached = CScrollHotStatic::Scroll().entryGap;
    EXPECT_EQ(reached, m_height - 5);
    MoveTo(m_dialog->m_panel, 20);  // paused, then the box goes
    m_dialog.reset();

    std::unique_ptr<CPanelDialog> second = ShowPanelDialog();
    Paint(second->m_panel);
    Paint(second->m_panel);
    EXPECT_EQ(CScrollHotStatic::Scroll().entryGap, reached) << "still paused";
    second->m_panel.SendMessage(WM_MOUSELEAVE);
    second->m_panel.KillTimer(kScrollTimer);
    Paint(second->m_panel);
    EXPECT_TRUE(CScrollHotStatic::Scroll().enterPhase);
    EXPECT_EQ(CScrollHotStatic::Scroll().entryGap, reached - 1);
}

TEST(ScrollHotStaticLinesTest, TrailingBlanksNeverWrapButLongWordsDo) {
    CScrollHotStatic::Scroll() = CreditsScroll{};
    CPanelDialog dialog;
    dialog.m_panel.AddLine(std::string(10, ' ') + "Velmo Image Recovery" + std::string(80, ' '),
                           "www.one.example.com", 12);
    dialog.m_panel.AddLine("Words enough to fill more than one line of this narrow panel", nullptr,
                           0);
    SetCursorPos(1270, 1010);
    ASSERT_TRUE(dialog.Create());
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASENOW | RDW_NOCHILDREN);
    CRecordingPanel& panel = dialog.m_panel;
    Paint(panel);
    panel.KillTimer(kScrollTimer);
    CreditsScroll& scroll = CScrollHotStatic::Scroll();
    scroll.enterPhase = true;  // fully in: the next paint shows the block from the top
    scroll.entryGap = 0;
    WindowPixels shown = WindowPixels::Capture(panel);
    const int lineHeight = panel.GetLineHeight();
    auto band = [&](int line) {
        return CRect(0, line * lineHeight, shown.Width(), (line + 1) * lineHeight);
    };

    EXPECT_GT(shown.CountColor(band(3), kLinkColour), 40) << "the title line, underlined";
    EXPECT_EQ(shown.CountColor(band(4), kLinkColour), 0)
        << "no word of it pushed onto the next line";
    EXPECT_GT(shown.CountColor(band(5), RGB(0, 0, 0)), 10)
        << "the long plain line goes on below itself";
}

}  // namespace
