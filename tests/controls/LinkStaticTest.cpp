// The hyperlink static: colours and underline as drawn, fitting to the text, the
// tooltip, the click with its error messages, and the browser command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/CLinkStatic.h"
#include "framework/Afx.h"
#include "tests/controls/LinkTestResources.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ControlProbes.h"

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 238);
constexpr COLORREF kVisitedColour = RGB(85, 26, 139);
constexpr COLORREF kHoverColour = RGB(255, 0, 0);

// The one address the test's links open, whatever their targets.
const char kSiteAddress[] = "http://site.example.net/";

// Stands in for the shell: records what would be opened and answers `result`.
class CRecordingLink : public CLinkStatic {
public:
    CRecordingLink() : CLinkStatic(kSiteAddress) {}
    int OpenLink(const char* url, int) override {
        opened.push_back(url);
        return result;
    }
    int result = 42;
    std::vector<std::string> opened;
};

class CLinkDialog : public CDialog {
public:
    CLinkDialog() : CDialog(IDD_LINK_TEST) {}
    CRecordingLink m_left;
    CRecordingLink m_centre;
    CRecordingLink m_right;
    CRecordingLink m_empty;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_LINK_LEFT, m_left);
        DDX_Control(dx, IDC_LINK_CENTRE, m_centre);
        DDX_Control(dx, IDC_LINK_RIGHT, m_right);
        DDX_Control(dx, IDC_LINK_EMPTY, m_empty);
    }
};

// What the text of a link looks like on the screen.
struct Look {
    int link = 0;
    int visited = 0;
    int hover = 0;
    bool underlined = false;
};

Look LookOf(HWND link) {
    WindowPixels pixels = WindowPixels::Capture(link);
    Look look;
    CRect all(0, 0, pixels.Width(), pixels.Height());
    look.link = pixels.CountColor(all, kLinkColour);
    look.visited = pixels.CountColor(all, kVisitedColour);
    look.hover = pixels.CountColor(all, kHoverColour);
    // An underline is a row of text colour under (nearly) the whole text.
    for (int y = 0; y < pixels.Height(); ++y) {
        CRect row(0, y, pixels.Width(), y + 1);
        int coloured = pixels.CountColor(row, kLinkColour) +
                       pixels.CountColor(row, kVisitedColour) +
                       pixels.CountColor(row, kHoverColour);
        if (coloured >= pixels.Width() * 9 / 10) look.underlined = true;
    }
    return look;
}

CRect RectInParent(HWND item) {
    CRect rect;
    GetWindowRect(item, &rect);
    MapWindowPoints(nullptr, GetParent(item), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class LinkStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(1270, 1010);  // away from the links, which show in the middle of the screen
        ASSERT_TRUE(m_dialog.Create());
        SetWindowPos(m_dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        PumpPending();
    }
    // The real pointer goes there too, so that a busy machine's hover timer
    // does not take the hover back before the link is looked at.
    void Enter(CLinkStatic& link) {
        POINT onLink{2, 2};
        ClientToScreen(link, &onLink);
        SetCursorPos(onLink.x, onLink.y);
        link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    }
    // The real pointer goes elsewhere; the hover timer notices it.
    void Leave(CLinkStatic& link) {
        SetCursorPos(1270, 1010);
        ASSERT_TRUE(PumpUntil([&] { return !link.IsHovering(); }, 3000));
    }
    void Click(CLinkStatic& link) {
        link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    CLinkDialog m_dialog;
};

TEST_F(LinkStaticTest, TextColourFollowsHoverLeaveAndVisited) {
    CLinkStatic& link = m_dialog.m_left;
    Look normal = LookOf(link);
    EXPECT_GT(normal.link, 20);
    EXPECT_EQ(normal.hover + normal.visited, 0);
    EXPECT_FALSE(normal.underlined);

    Enter(link);
    Look hover = LookOf(link);
    EXPECT_GT(hover.hover, 20);
    EXPECT_EQ(hover.link, 0);
    EXPECT_TRUE(hover.underlined) << "underlined while hovered by default";

    Leave(link);
    Look left = LookOf(link);
    EXPECT_GT(left.link, 20);
    EXPECT_EQ(left.hover, 0);
    EXPECT_FALSE(left.underlined);

    link.SetVisited(true);
    Look visited = LookOf(link);
    EXPECT_GT(visited.visited, 20);
    EXPECT_EQ(visited.link, 0);
    Enter(link);
    EXPECT_GT(LookOf(link).hover, 20) << "hover wins over visited";
    Leave(link);
}

TEST_F(LinkStaticTest, UnderlineModes) {
    CLinkStatic& link = m_dialog.m_left;
    link.SetUnderlineMode(CLinkStatic::UnderlineAlways);
    EXPECT_TRUE(LookOf(link).underlined);
    Enter(link);
    EXPECT_TRUE(LookOf(link).underlined);
    Leave(link);
    Look afterLeave = LookOf(link);
    EXPECT_TRUE(afterLeave.underlined) << "stays underlined after the pointer left";
    EXPECT_GT(afterLeave.link, 20);

    for (int never : {int(CLinkStatic::UnderlineNever), 7}) {
        link.SetUnderlineMode(never);
        EXPECT_FALSE(LookOf(link).underlined) << never;
        Enter(link);
        Look hover = LookOf(link);
        EXPECT_GT(hover.hover, 20) << never;
        EXPECT_FALSE(hover.underlined) << never;
        Leave(link);
    }
}

TEST_F(LinkStaticTest, SettingTheCurrentUnderlineModeChangesAndRepaintsNothing) {
    CLinkStatic& link = m_dialog.m_left;
    link.SetUnderlineMode(CLinkStatic::UnderlineAlways);
    link.UpdateWindow();
    HFONT font = reinterpret_cast<HFONT>(link.SendMessage(WM_GETFONT));

    link.SetUnderlineMode(CLinkStatic::UnderlineAlways);
    EXPECT_FALSE(GetUpdateRect(link, nullptr, FALSE)) << "nothing to repaint";
    EXPECT_EQ(reinterpret_cast<HFONT>(link.SendMessage(WM_GETFONT)), font);

    link.SetUnderlineMode(CLinkStatic::UnderlineOnHover);
    EXPECT_TRUE(GetUpdateRect(link, nullptr, FALSE));
    EXPECT_NE(reinterpret_cast<HFONT>(link.SendMessage(WM_GETFONT)), font);
}

TEST_F(LinkStaticTest, FittingKeepsTheEdgeTheAlignmentAnchors) {
    CDialog unbound(IDD_LINK_TEST);
    ASSERT_TRUE(unbound.Create());
    auto templateRect = [&](int id) { return RectInParent(unbound.GetDlgItem(id)); };
    auto textSize = [&](CLinkStatic& link) {
        LOGFONTW description{};
        CFont::GetLogFont(link.GetFont(), &description);
        description.lfUnderline = TRUE;
        CFont underlined;
        underlined.CreateFontIndirect(description);
        CClientDC dc(&link);
        dc.SelectObject(underlined);
        return dc.GetTextExtent(link.GetWindowText());
    };

    CRect left = RectInParent(m_dialog.m_left);
    SIZE leftText = textSize(m_dialog.m_left);
    EXPECT_EQ(left.left, templateRect(IDC_LINK_LEFT).left);
    EXPECT_EQ(left.top, templateRect(IDC_LINK_LEFT).top);
    EXPECT_EQ(left.Width(), leftText.cx);
    EXPECT_EQ(left.Height(), leftText.cy);
    EXPECT_LT(left.Width(), templateRect(IDC_LINK_LEFT).Width());

    CRect right = RectInParent(m_dialog.m_right);
    EXPECT_EQ(right.right, templateRect(IDC_LINK_RIGHT).right);
    EXPECT_EQ(right.Width(), textSize(m_dialog.m_right).cx);

    CRect centre = RectInParent(m_dialog.m_centre);
    CRect centreTemplate = templateRect(IDC_LINK_CENTRE);
    EXPECT_NEAR(centre.left + centre.right, centreTemplate.left + centreTemplate.right, 1);
    EXPECT_NEAR(centre.Width(), textSize(m_dialog.m_centre).cx, 1);
}

TEST(LinkStaticTargetTest, TooltipShowsTheSiteAddressWhateverTheTarget) {
    CLinkDialog dialog;
    dialog.m_empty.SetLinkTarget("http://target.example.org/");
    ASSERT_TRUE(dialog.Create());

    // An item without text shows the target given before it was bound.
    EXPECT_EQ(dialog.m_empty.GetWindowText(), "http://target.example.org/");
    EXPECT_EQ(dialog.m_left.GetWindowText(), "www.left.example.com");
    for (CLinkStatic* link : {&dialog.m_empty, &dialog.m_left}) {
        EXPECT_EQ(link->GetTooltip().GetToolCount(), 1);
        EXPECT_EQ(TooltipText(link->GetTooltip().m_hWnd, link->m_hWnd, 1), kSiteAddress);
    }
    dialog.m_left.SetLinkTarget("http://elsewhere.example.org/");
    EXPECT_EQ(TooltipText(dialog.m_left.GetTooltip().m_hWnd, dialog.m_left.m_hWnd, 1),
              kSiteAddress);
    EXPECT_TRUE(GetWindowLongW(dialog.m_left, GWL_STYLE) & SS_NOTIFY);
}

TEST_F(LinkStaticTest, HandCursorOverTheLink) {
    CLinkStatic& link = m_dialog.m_left;
    ASSERT_NE(link.GetLinkCursor(), nullptr);
    EXPECT_TRUE(link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), link.GetLinkCursor());
}

TEST_F(LinkStaticTest, ClickOpensTheMakersAddressThenShowsVisitedOrAnEnglishError) {
    CRecordingLink& link = m_dialog.m_left;
    MessageBoxWatcher watcher({IDOK, IDOK});
    link.result = 42;  // any result above 32 is a success
    Click(link);
    ASSERT_EQ(link.opened, std::vector<std::string>{kSiteAddress});
    EXPECT_TRUE(link.IsVisited());
    EXPECT_GT(LookOf(link).visited, 20);
    EXPECT_EQ(watcher.Count(), 0u);

    link.result = SE_ERR_SHARE;
    Click(link);
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_FALSE(link.IsVisited()) << "a failed open forgets the earlier visit";
    EXPECT_GT(LookOf(link).link, 20);
    link.ShowOpenError(1);
    ASSERT_TRUE(watcher.WaitForBoxes(2));
    std::vector<SeenMessageBox> boxes = watcher.Boxes();
    EXPECT_EQ(boxes[0].text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(boxes[1].text, "Unable to open hyperlink:\n\nUnknown Error (1) occurred.");
    for (const SeenMessageBox& box : boxes) {
        EXPECT_EQ(box.caption, AfxGetAppName());
        EXPECT_EQ(box.iconStyle, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(BrowserCommandTest, PlaceholderAndWhatFollowsItGiveWayToTheAddress) {
    const char* url = "http://www.velmo.example.com/";
    EXPECT_EQ(CLinkStatic::BrowserCommand("\"C:\\Browser\\browse.exe\" \"%1\" -new", url),
              "\"C:\\Browser\\browse.exe\"  http://www.velmo.example.com/");
    EXPECT_EQ(CLinkStatic::BrowserCommand("C:\\Browser\\browse.exe %1 -new", url),
              "C:\\Browser\\browse.exe  http://www.velmo.example.com/");
    EXPECT_EQ(CLinkStatic::BrowserCommand("C:\\Browser\\browse.exe -nohome", url),
              "C:\\Browser\\browse.exe -nohome http://www.velmo.example.com/");
}

}  // namespace
