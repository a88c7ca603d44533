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
    int OnCreate(LPCREATESTRUCTW cs) {
        m_log.push_back("create " + Utf8FromWide(cs->lpszName));
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
        ASSERT_TRUE(m_target.CreateEx(0, nullptr, "target", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                      nullptr, nullptr));
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

// A control that handles a reflected notification and a private message whose
// number lies in the application's own range.
class CNotifyingChild : public CStatic {
public:
    static constexpr UINT kPrivate = WM_APP + 0x3C00 + WM_NOTIFY;
    std::vector<std::string> m_log;

private:
    void OnReflectedClick(NMHDR*, LRESULT* result) {
        m_log.push_back("reflected click");
        *result = 7;
    }
    LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        m_log.push_back("private " + std::to_string(wParam + lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingChild, CStatic)
    ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
    ON_MESSAGE(kPrivate, OnPrivate)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, ReflectedEntriesAndPrivateMessagesNeverMeet) {
    CNotifyingChild child;
    ASSERT_TRUE(child.SubclassWindow(Child("Static", 3004)));
    NMHDR header{child, 3004, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(m_target.SendMessage(WM_NOTIFY, 3004, reinterpret_cast<LPARAM>(&header)), 7);
    child.SendMessage(CNotifyingChild::kPrivate, 7, 8);
    EXPECT_EQ(child.m_log, (std::vector<std::string>{"reflected click", "private 15"}));
    EXPECT_TRUE(m_target.m_log.empty());  // the parent's own entries never saw the click
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
    EXPECT_FALSE(
        refusing.CreateEx(0, nullptr, "refused", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
}

TEST(MessageMapCreateTest, WindowsAreUnicodeAndTheirTextsUtf8) {
    CTarget target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, "Größe ș", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(target.m_log, (std::vector<std::string>{"create Größe ș"}));
    EXPECT_EQ(target.GetWindowText(), "Größe ș");
    EXPECT_TRUE(IsWindowUnicode(target));

    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&target, TBSTYLE_FLAT, 0, CRect(), 1));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&target));
    EXPECT_TRUE(IsWindowUnicode(bar));
    EXPECT_TRUE(IsWindowUnicode(tip));
}

// Makes a second window of the framework's class while its own is being made.
class CNestingWindow : public CWnd {
public:
    CTarget m_inner;
    int m_creates = 0;

private:
    int OnCreate(LPCREATESTRUCTW) {
        ++m_creates;
        return m_inner.CreateEx(0, nullptr, "inner", WS_CHILD, 0, 0, 5, 5, m_hWnd, nullptr) ? 0
                                                                                            : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWindow, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(MessageMapCreateTest, AWindowMadeWhileAnotherIsMadeIsBoundToItsOwnObject) {
    CNestingWindow outer;
    ASSERT_TRUE(outer.CreateEx(0, nullptr, "outer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(outer.m_creates, 1);
    EXPECT_EQ(outer.m_inner.m_log, (std::vector<std::string>{"create inner"}));
    EXPECT_EQ(CWnd::FromHandlePermanent(outer), &outer);
    EXPECT_EQ(CWnd::FromHandlePermanent(outer.m_inner), &outer.m_inner);
    EXPECT_EQ(::GetParent(outer.m_inner), outer.m_hWnd);
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
public:
    bool m_created = false;

protected:
    int OnCreate(LPCREATESTRUCTW) {
        m_created = true;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override {
        CWnd::PreCreateWindow(cs);
        WNDCLASSW wc;
        if (!GetClassInfoW(AfxGetInstanceHandle(), L"VelmoTestRenamed", &wc)) {
            GetClassInfoW(AfxGetInstanceHandle(), cs.lpszClass, &wc);
            wc.lpszClassName = L"VelmoTestRenamed";
            RegisterClassW(&wc);
        }
        cs.lpszClass = L"VelmoTestRenamed";
        return TRUE;
    }
};

BEGIN_MESSAGE_MAP(CRenamedClass, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(MessageMapCreateTest, PreCreateWindowMayChangeTheClass) {
    CRenamedClass window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "VelmoTestRenamed");
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &window);
    EXPECT_TRUE(window.m_created);  // a copy of the framework's class binds at creation too
}

}  // namespace
