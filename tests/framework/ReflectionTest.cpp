// Reflection: a parent offers control notifications to the control's own object
// first, so owner-drawn buttons draw themselves and statics handle their clicks.
#include <gtest/gtest.h>

#include <vector>

#include "framework/Afx.h"
#include "tests/framework/TestResources.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

constexpr COLORREF kButtonRed = RGB(200, 0, 0);
constexpr COLORREF kStaticGreen = RGB(0, 160, 0);

class COwnerDrawButton : public CButton {
public:
    int m_draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override {
        CDC dc(drawItem->hDC);
        dc.FillSolidRect(&drawItem->rcItem, kButtonRed);
        ++m_draws;
    }
};

class CClickStatic : public CStatic {
public:
    int m_clicks = 0;

private:
    void OnClicked() { ++m_clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickStatic, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CColorStatic : public CStatic {
public:
    UINT m_kind = 0xFFFF;

private:
    HBRUSH CtlColor(CDC* dc, UINT kind) {
        m_kind = kind;
        dc->SetBkColor(kStaticGreen);
        return m_brush;
    }
    CBrush m_brush{kStaticGreen};
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CDrawList : public CListCtrl {
public:
    std::vector<DWORD> m_stages;

private:
    void OnCustomDraw(NMHDR* header, LRESULT* result) {
        m_stages.push_back(reinterpret_cast<NMCUSTOMDRAW*>(header)->dwDrawStage);
        *result = CDRF_DODEFAULT;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDrawList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

class CReflectDialog : public CDialog {
public:
    CReflectDialog() : CDialog(IDD_TEST_CONTROLS) {}
    COwnerDrawButton m_button;
    CClickStatic m_clickStatic;
    CColorStatic m_colorStatic;
    CDrawList m_list;
    int m_parentDrawItems = 0;
    int m_parentClicksOnBound = 0;
    int m_parentClicksOnPlain = 0;
    int m_parentCustomDraws = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_OWNERDRAW, m_button);
        DDX_Control(dx, IDC_NOTIFY_STATIC, m_clickStatic);
        DDX_Control(dx, IDC_COLOR_STATIC, m_colorStatic);
        DDX_Control(dx, IDC_LIST, m_list);
    }

private:
    LRESULT OnDrawItem(WPARAM, LPARAM) { return ++m_parentDrawItems, TRUE; }
    void OnBoundClicked() { ++m_parentClicksOnBound; }
    void OnPlainClicked() { ++m_parentClicksOnPlain; }
    void OnListDraw(NMHDR*, LRESULT*) { ++m_parentCustomDraws; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectDialog, CDialog)
    ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
    ON_CONTROL(STN_CLICKED, IDC_NOTIFY_STATIC, OnBoundClicked)
    ON_CONTROL(STN_CLICKED, IDC_PLAIN_STATIC, OnPlainClicked)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_LIST, OnListDraw)
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create());
        SetWindowPos(m_dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpMessages(50);
    }
    CReflectDialog m_dialog;
};

TEST_F(ReflectionTest, OwnerDrawnButtonDrawsItselfAndTheParentSeesNoDrawItem) {
    WindowPixels pixels = WindowPixels::Capture(m_dialog.m_button);
    EXPECT_GT(m_dialog.m_button.m_draws, 0);
    EXPECT_EQ(m_dialog.m_parentDrawItems, 0);
    EXPECT_EQ(pixels.At(3, 3), kButtonRed);
    EXPECT_EQ(pixels.At(pixels.Width() - 2, pixels.Height() - 2), kButtonRed);
}

TEST_F(ReflectionTest, StaticHandlesItsOwnClickOthersReachTheParent) {
    CPoint inside(3, 3);
    LPARAM at = MAKELPARAM(inside.x, inside.y);
    m_dialog.m_clickStatic.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    m_dialog.m_clickStatic.SendMessage(WM_LBUTTONUP, 0, at);
    HWND plain = m_dialog.GetDlgItem(IDC_PLAIN_STATIC);
    SendMessageW(plain, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(plain, WM_LBUTTONUP, 0, at);

    EXPECT_EQ(m_dialog.m_clickStatic.m_clicks, 1);
    EXPECT_EQ(m_dialog.m_parentClicksOnBound, 0);
    EXPECT_EQ(m_dialog.m_parentClicksOnPlain, 1);
}

TEST_F(ReflectionTest, StaticChoosesItsOwnColours) {
    WindowPixels pixels = WindowPixels::Capture(m_dialog.m_colorStatic);
    EXPECT_EQ(m_dialog.m_colorStatic.m_kind, static_cast<UINT>(CTLCOLOR_STATIC));
    // Below the text line, the control's background is all its own brush.
    EXPECT_EQ(pixels.At(pixels.Width() - 2, pixels.Height() - 2), kStaticGreen);
    EXPECT_GT(pixels.CountColor(CRect(0, 0, pixels.Width(), pixels.Height()), kStaticGreen),
              pixels.Width() * pixels.Height() / 2);
}

TEST_F(ReflectionTest, CustomDrawGoesToTheListItself) {
    m_dialog.m_list.InsertColumn(0, "Pathname", LVCFMT_LEFT, 100);
    m_dialog.m_list.InsertItem(0, "C:\\a.doc");
    WindowPixels::Capture(m_dialog.m_list);
    ASSERT_FALSE(m_dialog.m_list.m_stages.empty());
    EXPECT_EQ(m_dialog.m_list.m_stages.front(), static_cast<DWORD>(CDDS_PREPAINT));
    EXPECT_EQ(m_dialog.m_parentCustomDraws, 0);
}

// A toolbar made by the framework is bound as soon as it exists and draws its
// buttons through its own custom-draw entry.
class CTestToolBar : public CToolBar {
public:
    int m_itemDraws = 0;

private:
    void OnCustomDraw(NMHDR* header, LRESULT* result) {
        auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            *result = CDRF_NOTIFYITEMDRAW;
        } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            ++m_itemDraws;
            CDC dc(draw->nmcd.hdc);
            dc.FillSolidRect(&draw->nmcd.rc, kButtonRed);
            *result = CDRF_SKIPDEFAULT;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestToolBar, CToolBar)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

class CPlainWindow : public CWnd {};

TEST(ToolBarTest, CreatedToolbarIsBoundAtOnceAndDrawsItsOwnButtons) {
    CPlainWindow parent;
    ASSERT_TRUE(parent.CreateEx(WS_EX_TOPMOST, nullptr, "bar", WS_POPUP | WS_VISIBLE, 20, 20, 200,
                                120, nullptr, nullptr));
    CTestToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_WRAPABLE,
                             WS_VISIBLE | WS_CLIPCHILDREN | 0x5C, CRect(), 0xE800));
    EXPECT_EQ(CWnd::FromHandlePermanent(bar), &bar);

    char first[] = "First";
    char second[] = "Second";
    TBBUTTON buttons[2] = {};
    buttons[0] = {I_IMAGENONE, 501, TBSTATE_ENABLED | TBSTATE_WRAP,  0,
                  {},          0,   reinterpret_cast<INT_PTR>(first)};
    buttons[1] = {I_IMAGENONE, 502, TBSTATE_ENABLED | TBSTATE_WRAP,   0,
                  {},          0,   reinterpret_cast<INT_PTR>(second)};
    ASSERT_TRUE(bar.SendMessage(TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons)));
    bar.SetWindowPos(nullptr, 0, 0, 150, 100, SWP_NOZORDER);
    EXPECT_EQ(bar.GetButtonCount(), 2);
    EXPECT_EQ(bar.CommandToIndex(502), 1);

    CRect firstRect;
    ASSERT_TRUE(bar.GetItemRect(0, &firstRect));
    EXPECT_EQ(bar.HitTest(CPoint(firstRect.left + 2, firstRect.top + 2)), 0);
    WindowPixels pixels = WindowPixels::Capture(bar);
    EXPECT_GE(bar.m_itemDraws, 2);
    EXPECT_EQ(pixels.At(firstRect.left + 2, firstRect.top + 2), kButtonRed);
}

}  // namespace
