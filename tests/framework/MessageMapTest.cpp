// Message tables: commands, ranges, notifications and private messages reach their
// handlers, derived tables come before base tables, the rest gets default processing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Afx.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

constexpr UINT WM_TEST_PRIVATE = WM_APP + 1;

class CBaseTarget : public CWnd {
public:
    std::vector<std::string> m_log;

protected:
    void OnFirst() { m_log.push_back("base first"); }
    void OnSecond() { m_log.push_back("base second"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CWnd)
    ON_COMMAND(1001, OnFirst)
    ON_COMMAND(1002, OnSecond)
END_MESSAGE_MAP()

class CTarget : public CBaseTarget {
public:
    int m_createResult = 0;

private:
    int OnCreate(LPCREATESTRUCTA cs) {
        m_log.push_back(std::string("create ") + cs->lpszName);
        return m_createResult;
    }
    void OnOwnFirst() { m_log.push_back("own first"); }
    void OnRange(UINT id) { m_log.push_back("range " + std::to_string(id)); }
    void OnClicked() { m_log.push_back("clicked"); }
    void OnEditLeft() { m_log.push_back("edit lost focus"); }
    void OnNotifyClick(NMHDR* header, LRESULT* result) {
        m_log.push_back("notify " + std::to_string(header->idFrom));
        *result = 42;
    }
    LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        return static_cast<LRESULT>(wParam + lParam);
    }
    // Logs, then lets the window store the text as it would without us.
    LRESULT OnSetText(WPARAM, LPARAM) {
        m_log.push_back("settext");
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTarget, CBaseTarget)
    ON_WM_CREATE()
    ON_COMMAND(1001, OnOwnFirst)
    ON_COMMAND_RANGE(2000, 2005, OnRange)
    ON_BN_CLICKED(3000, OnClicked)
    ON_EN_KILLFOCUS(3001, OnEditLeft)
    ON_NOTIFY(NM_CLICK, 3002, OnNotifyClick)
    ON_MESSAGE(WM_TEST_PRIVATE, OnPrivate)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_target.CreateEx(0, nullptr, "target", WS_POPUP | WS_VISIBLE, 10, 10, 200,
                                      100, nullptr, nullptr));
        m_target.m_log.clear();
    }
    LRESULT Command(UINT id, UINT code = 0, HWND control = nullptr) {
        return m_target.SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                                    reinterpret_cast<LPARAM>(control));
    }
    HWND Child(const char* className, UINT id) {
        return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 80, 20,
                               m_target, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               nullptr, nullptr);
    }
    CTarget m_target;
};

TEST_F(MessageMapTest, CommandsGoToTheMostDerivedEntryThenToTheBaseTable) {
    Command(1001);
    Command(1002);
    Command(1002, 1);  // from an accelerator
    EXPECT_EQ(m_target.m_log,
              (std::vector<std::string>{"own first", "base second", "base second"}));
}

TEST_F(MessageMapTest, RangesPassTheCommandAndStopAtTheirEnds) {
    Command(1999);
    Command(2000);
    Command(2005);
    Command(2006);
    EXPECT_EQ(m_target.m_log, (std::vector<std::string>{"range 2000", "range 2005"}));
}

TEST_F(MessageMapTest, ControlNotificationsFromRealControlsReachTheirEntries) {
    HWND button = Child("Button", 3000);
    HWND edit = Child("Edit", 3001);
    SendMessageW(button, BM_CLICK, 0, 0);
    ::SetFocus(edit);
    ::SetFocus(button);
    PumpPending();
    EXPECT_EQ(m_target.m_log, (std::vector<std::string>{"clicked", "edit lost focus"}));
}

TEST_F(MessageMapTest, NotificationsCarryTheHandlersResult) {
    NMHDR header{nullptr, 3002, static_cast<UINT>(NM_CLICK)};
    LRESULT result = m_target.SendMessage(WM_NOTIFY, 3002, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(result, 42);
    header.idFrom = 3003;  // no entry: default processing answers 0
    EXPECT_EQ(m_target.SendMessage(WM_NOTIFY, 3003, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_EQ(m_target.m_log, (std::vector<std::string>{"notify 3002"}));
}

TEST_F(MessageMapTest, PrivateMessagesReturnTheHandlersValue) {
    EXPECT_EQ(m_target.SendMessage(WM_TEST_PRIVATE, 5, 6), 11);
}

TEST_F(MessageMapTest, DefaultContinuesTheSystemsProcessing) {
    m_target.SetWindowText("Größe");
    EXPECT_EQ(m_target.GetWindowText(), "Größe");
    EXPECT_EQ(m_target.m_log, (std::vector<std::string>{"settext"}));
    // A message without an entry is processed as without the object.
    m_target.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)));
    EXPECT_TRUE(m_target.IsWindowVisible());
}

TEST(MessageMapCreateTest, WindowsCreatedByTheFrameworkSeeTheirOwnWmCreate) {
    CTarget target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, "made", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(target.m_log, (std::vector<std::string>{"create made"}));
    EXPECT_EQ(CWnd::FromHandlePermanent(target), &target);

    CTarget refusing;
    refusing.m_createResult = -1;
    EXPECT_FALSE(refusing.CreateEx(0, nullptr, "refused", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
}

TEST(MessageMapCreateTest, DestroyingTheWindowReleasesTheObject) {
    CTarget target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = target;
    target.DestroyWindow();
    EXPECT_EQ(target.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

// A class that registers its own window class from the framework's default one.
class CRenamedClass : public CWnd {
protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override {
        CWnd::PreCreateWindow(cs);
        WNDCLASSA wc;
        if (!GetClassInfoA(AfxGetInstanceHandle(), "VelmoTestRenamed", &wc)) {
            GetClassInfoA(AfxGetInstanceHandle(), cs.lpszClass, &wc);
            wc.lpszClassName = "VelmoTestRenamed";
            RegisterClassA(&wc);
        }
        cs.lpszClass = "VelmoTestRenamed";
        return TRUE;
    }
};

TEST(MessageMapCreateTest, PreCreateWindowMayChangeTheClass) {
    CRenamedClass window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "VelmoTestRenamed");
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &window);
}

}  // namespace
