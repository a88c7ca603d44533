// The framework's modal loop: runs until ended, nests, passes WM_QUIT on, and
// offers each message to the window it is for and to that window's parents.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/Afx.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

constexpr UINT WM_PING = WM_APP + 10;
constexpr UINT WM_CONSUMED = WM_APP + 11;

class CLoopWindow : public CWnd {
public:
    std::function<void()> m_onPing;
    std::vector<UINT> m_seenBeforeDispatch;
    int m_consumedDispatched = 0;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message >= WM_APP) m_seenBeforeDispatch.push_back(msg->message);
        return msg->message == WM_CONSUMED;
    }

    BOOL CreatePopup() {
        return CreateEx(0, nullptr, "loop", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr);
    }

private:
    LRESULT OnPing(WPARAM, LPARAM) {
        if (m_onPing) m_onPing();
        return 0;
    }
    LRESULT OnConsumed(WPARAM, LPARAM) {
        ++m_consumedDispatched;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoopWindow, CWnd)
    ON_MESSAGE(WM_PING, OnPing)
    ON_MESSAGE(WM_CONSUMED, OnConsumed)
END_MESSAGE_MAP()

TEST(ModalLoopTest, RunsUntilEndedAndReturnsTheResult) {
    CLoopWindow window;
    ASSERT_TRUE(window.CreatePopup());
    window.m_onPing = [&] { window.EndModalLoop(7); };
    window.PostMessage(WM_PING);
    EXPECT_EQ(window.RunModalLoop(), 7);
    EXPECT_FALSE(window.ContinueModal());
}

TEST(ModalLoopTest, NestedLoopsEndInnermostFirst) {
    CLoopWindow outer;
    CLoopWindow inner;
    ASSERT_TRUE(outer.CreatePopup());
    ASSERT_TRUE(inner.CreatePopup());
    std::vector<int> order;
    outer.m_onPing = [&] {
        inner.PostMessage(WM_PING);
        order.push_back(inner.RunModalLoop());
        outer.EndModalLoop(5);
    };
    inner.m_onPing = [&] { inner.EndModalLoop(3); };
    outer.PostMessage(WM_PING);
    order.push_back(outer.RunModalLoop());
    EXPECT_EQ(order, (std::vector<int>{3, 5}));
}

TEST(ModalLoopTest, InnerLevelCanCloseTheWholeChain) {
    CLoopWindow outer;
    CLoopWindow inner;
    ASSERT_TRUE(outer.CreatePopup());
    ASSERT_TRUE(inner.CreatePopup());
    int innerResult = -2;
    outer.m_onPing = [&] {
        inner.PostMessage(WM_PING);
        innerResult = inner.RunModalLoop();
    };
    inner.m_onPing = [&] {
        inner.EndModalLoop(0);
        outer.EndModalLoop(9);
    };
    outer.PostMessage(WM_PING);
    EXPECT_EQ(outer.RunModalLoop(), 9);
    EXPECT_EQ(innerResult, 0);
}

TEST(ModalLoopTest, QuitEndsTheLoopAndIsPostedAgain) {
    CLoopWindow window;
    ASSERT_TRUE(window.CreatePopup());
    PostQuitMessage(4);
    EXPECT_EQ(window.RunModalLoop(), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4u);
}

TEST(ModalLoopTest, DestroyingTheWindowEndsItsLoop) {
    CLoopWindow window;
    ASSERT_TRUE(window.CreatePopup());
    window.m_onPing = [&] { window.DestroyWindow(); };
    window.PostMessage(WM_PING);
    EXPECT_EQ(window.RunModalLoop(), -1);
    EXPECT_EQ(window.m_hWnd, nullptr);
}

TEST(ModalLoopTest, EndingBeforeTheStartReturnsAtOnce) {
    CLoopWindow window;
    ASSERT_TRUE(window.CreatePopup());
    window.EndModalLoop(12);
    EXPECT_EQ(window.RunModalLoop(), 12);
}

TEST(ModalLoopTest, ChildAndParentSeeMessagesBeforeDispatchAndMayConsumeThem) {
    CLoopWindow parent;
    CLoopWindow child;
    ASSERT_TRUE(parent.CreatePopup());
    ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD, 0, 0, 5, 5, parent, nullptr));
    child.m_onPing = [&] { parent.EndModalLoop(1); };
    child.PostMessage(WM_CONSUMED);
    child.PostMessage(WM_PING);
    EXPECT_EQ(parent.RunModalLoop(), 1);

    EXPECT_EQ(child.m_seenBeforeDispatch, (std::vector<UINT>{WM_CONSUMED, WM_PING}));
    EXPECT_EQ(parent.m_seenBeforeDispatch, (std::vector<UINT>{WM_PING}));  // child kept the other
    EXPECT_EQ(child.m_consumedDispatched, 0);
}

}  // namespace
