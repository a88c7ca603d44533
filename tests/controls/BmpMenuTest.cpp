// The bitmap menu shown from a real menu resource and driven by posted input
// while it runs its own loop: rows, placement, choosing, submenus, closing, and
// what its owner is told.
#include <gtest/gtest.h>

#include "controls/CBmpMenu.h"
#include "controls/CBmpMenuToolBar.h"
#include "framework/Afx.h"
#include "tests/controls/BmpMenuDriver.h"
#include "tests/controls/BmpMenuTestResources.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

// Keeps every menu notification it gets.
class COwnerWnd : public CWnd {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    bool Create() {
        return CreateEx(0, nullptr, "Menu owner", WS_POPUP | WS_VISIBLE, 20, 20, 120, 60, nullptr,
                        nullptr) != FALSE;
    }
    std::vector<Received> Of(UINT message) const {
        std::vector<Received> found;
        for (const Received& received : m_received) {
            if (received.message == message) found.push_back(received);
        }
        return found;
    }
    size_t Count(UINT message) const { return Of(message).size(); }
    void Forget() { m_received.clear(); }

    // The answer to WM_MENUCHAR.
    LRESULT m_menuCharAnswer = 0;
    // How many menus were still open when each command arrived.
    std::vector<size_t> m_menusOpenAtCommand;

private:
    template <UINT message>
    LRESULT Keep(WPARAM wParam, LPARAM lParam) {
        m_received.push_back({message, wParam, lParam});
        return 0;
    }
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam) {
        m_menusOpenAtCommand.push_back(OpenMenus().size());
        return Keep<WM_COMMAND>(wParam, lParam);
    }
    LRESULT OnMenuChar(WPARAM, LPARAM) { return m_menuCharAnswer; }
    std::vector<Received> m_received;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_MESSAGE(WM_INITMENU, Keep<WM_INITMENU>)
    ON_MESSAGE(WM_INITMENUPOPUP, Keep<WM_INITMENUPOPUP>)
    ON_MESSAGE(WM_ENTERMENULOOP, Keep<WM_ENTERMENULOOP>)
    ON_MESSAGE(WM_MENUSELECT, Keep<WM_MENUSELECT>)
    ON_MESSAGE(WM_EXITMENULOOP, Keep<WM_EXITMENULOOP>)
    ON_MESSAGE(WM_COMMAND, OnCommandMessage)
    ON_MESSAGE(WM_MENUCHAR, OnMenuChar)
END_MESSAGE_MAP()

HMENU LoadTestPopup() {
    HMENU bar = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TEST_MENU));
    HMENU popup = GetSubMenu(bar, 0);
    RemoveMenu(bar, 0, MF_BYPOSITION);
    DestroyMenu(bar);
    return popup;
}

// A bitmap of the screen's format painted by `paint` on a memory context.
HBITMAP MakeBitmap(int width, int height, const std::function<void(HDC)>& paint) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    paint(memory);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT rect{left, top, right, bottom};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<WPARAM> Commands(const COwnerWnd& owner) {
    std::vector<WPARAM> commands;
    for (const auto& received : owner.Of(WM_COMMAND)) commands.push_back(received.wParam);
    return commands;
}

class BmpMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_owner.Create()); }

    // Shows the test menu at the point while the steps play; the posted command
    // has arrived when it returns.
    int Show(std::vector<MenuScript::Step> steps, POINT at = POINT{200, 150}) {
        return ShowMenu(m_menu, std::move(steps), at);
    }
    int ShowMenu(CBmpMenu& menu, std::vector<MenuScript::Step> steps, POINT at) {
        if (!menu.m_hMenu) menu.Attach(LoadTestPopup());
        MenuScript script(std::move(steps));
        const int result = menu.TrackBitmapMenu(0, at.x, at.y, &m_owner, nullptr);
        PumpMessages(50);
        EXPECT_TRUE(script.Finished());
        return result;
    }
    MenuScript::Step Key(size_t openMenus, UINT key) {
        return WhenMenusOpen(openMenus, [key](std::vector<CBmpMenu*>&) { PressKey(key); });
    }

    COwnerWnd m_owner;
    CBmpMenu m_menu{0, FALSE, nullptr, FALSE};
};

TEST_F(BmpMenuTest, ShowsOneRowPerItemAtThePointAndTellsTheOwner) {
    std::vector<std::string> texts;
    HWND menuWindow = nullptr;
    HWND focus = nullptr;
    RECT placed{};
    const int result = Show({WhenMenusOpen(1,
                                           [&](std::vector<CBmpMenu*>& menus) {
                                               for (int row = 0; row < RowCount(*menus[0]); ++row)
                                                   texts.push_back(RowText(*menus[0], row));
                                               menuWindow = *menus[0];
                                               focus = GetFocus();
                                               placed = ScreenRect(menuWindow);
                                               PressKey(VK_ESCAPE);
                                           }),
                             WhenAllClosed()});

    EXPECT_EQ(result, 1);
    EXPECT_EQ(texts, (std::vector<std::string>{"&Open", "&Recent", "&Save", "E&xit"}));
    EXPECT_EQ(focus, menuWindow);
    EXPECT_EQ(placed.left, 200);
    EXPECT_EQ(placed.top, 150);
    ASSERT_EQ(m_owner.Count(WM_INITMENU), 1u);
    EXPECT_EQ(m_owner.Of(WM_INITMENU)[0].wParam, reinterpret_cast<WPARAM>(m_menu.m_hMenu));
    ASSERT_EQ(m_owner.Count(WM_ENTERMENULOOP), 1u);
    EXPECT_EQ(m_owner.Of(WM_ENTERMENULOOP)[0].lParam, reinterpret_cast<LPARAM>(menuWindow));
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 1u);
    EXPECT_EQ(m_owner.Count(WM_COMMAND), 0u);
    EXPECT_FALSE(IsWindow(menuWindow));
}

// Near the screen's edges the menu turns to the side where it fits.
TEST_F(BmpMenuTest, NearTheScreenEdgesOpensLeftOfOrAboveThePoint) {
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    struct Case {
        POINT at;
        bool leftOfPoint;
        bool abovePoint;
    };
    const Case cases[] = {
        {{screen.right - 10, screen.bottom - 10}, true, true},
        {{screen.right - 10, 100}, true, false},
        {{100, screen.bottom - 10}, false, true},
    };
    for (const Case& test : cases) {
        CBmpMenu menu(0, FALSE, nullptr, FALSE);
        RECT placed{};
        ShowMenu(menu,
                 {WhenMenusOpen(1,
                                [&](std::vector<CBmpMenu*>& menus) {
                                    placed = ScreenRect(*menus[0]);
                                    PressKey(VK_ESCAPE);
                                }),
                  WhenAllClosed()},
                 test.at);
        EXPECT_EQ(test.leftOfPoint ? placed.right : placed.left, test.at.x) << test.at.x;
        EXPECT_EQ(test.abovePoint ? placed.bottom : placed.top, test.at.y) << test.at.y;
    }
}

TEST_F(BmpMenuTest, ChoosingByClickReturnOrMnemonicPostsExactlyOneCommand) {
    Show({WhenMenusOpen(1, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 0); }),
          WhenAllClosed()});
    EXPECT_EQ(Commands(m_owner), std::vector<WPARAM>{ID_TEST_OPEN});
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 1u);

    // Down three times from no hot row: the third row, Save.
    m_owner.Forget();
    CBmpMenu byReturn(0, FALSE, nullptr, FALSE);
    ShowMenu(
        byReturn,
        {Key(1, VK_DOWN), Key(1, VK_DOWN), Key(1, VK_DOWN), Key(1, VK_RETURN), WhenAllClosed()},
        POINT{200, 150});
    EXPECT_EQ(Commands(m_owner), std::vector<WPARAM>{ID_TEST_SAVE});
    ASSERT_FALSE(m_owner.Of(WM_MENUSELECT).empty());
    EXPECT_EQ(LOWORD(m_owner.Of(WM_MENUSELECT).back().wParam), ID_TEST_SAVE);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 1u);

    m_owner.Forget();
    CBmpMenu byLetter(0, FALSE, nullptr, FALSE);
    ShowMenu(byLetter, {Key(1, 'X'), WhenAllClosed()}, POINT{200, 150});
    EXPECT_EQ(Commands(m_owner), std::vector<WPARAM>{ID_TEST_EXIT});
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 1u);

    // The toolbar itself takes Space as a click on the hot row.
    m_owner.Forget();
    CBmpMenu bySpace(0, FALSE, nullptr, FALSE);
    ShowMenu(bySpace, {Key(1, VK_DOWN), Key(1, VK_SPACE), WhenAllClosed()}, POINT{200, 150});
    ASSERT_EQ(m_owner.Count(WM_COMMAND), 1u);
    EXPECT_EQ(LOWORD(Commands(m_owner)[0]), ID_TEST_OPEN);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 1u);
}

// Whichever way the command is chosen, it reaches the owner once every menu has gone.
TEST_F(BmpMenuTest, AnOwnerExecutingAnUnknownLetterGetsItsCommandAfterTheMenusClosed) {
    m_owner.m_menuCharAnswer = MAKELRESULT(ID_TEST_SAVE, MNC_EXECUTE);
    Show({Key(1, 'Q'), WhenAllClosed()});
    EXPECT_EQ(Commands(m_owner), std::vector<WPARAM>{ID_TEST_SAVE});
    EXPECT_EQ(m_owner.m_menusOpenAtCommand, std::vector<size_t>{0});
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 1u);
}

// Typed characters are compared in UTF-16, so mnemonics outside the ANSI code
// page and accented ones in lower case are found.
TEST_F(BmpMenuTest, TypedMnemonicsOutsideAsciiChooseTheirRow) {
    const struct {
        const char* text;
        wchar_t typed;
    } cases[] = {{"&Ștergere", L'ș'}, {"&Étape", L'é'}};
    for (const auto& test : cases) {
        m_owner.Forget();
        CBmpMenu menu(0, FALSE, nullptr, FALSE);
        menu.Attach(LoadTestPopup());
        menu.ModifyMenu(ID_TEST_SAVE, MF_BYCOMMAND | MF_STRING, ID_TEST_SAVE, test.text);
        const wchar_t typed = test.typed;
        ShowMenu(menu,
                 {WhenMenusOpen(1,
                                [typed](std::vector<CBmpMenu*>& menus) {
                                    menus[0]->GetToolBar()->PostMessage(WM_CHAR, typed, 1);
                                }),
                  WhenAllClosed()},
                 POINT{200, 150});
        EXPECT_EQ(Commands(m_owner), std::vector<WPARAM>{ID_TEST_SAVE}) << test.text;
    }
}

// Two rows with submenus: the second click closes the first submenu and opens
// the other in its place.
TEST_F(BmpMenuTest, ClickingAnotherSubmenuRowReplacesTheOpenSubmenu) {
    HMENU first = CreatePopupMenu();
    AppendMenuW(first, MF_STRING, ID_TEST_FIRST, L"&First");
    HMENU second = CreatePopupMenu();
    AppendMenuW(second, MF_STRING, ID_TEST_SECOND, L"&Second");
    HMENU top = CreatePopupMenu();
    AppendMenuW(top, MF_POPUP, reinterpret_cast<UINT_PTR>(first), L"&A");
    AppendMenuW(top, MF_POPUP, reinterpret_cast<UINT_PTR>(second), L"&B");
    CBmpMenu menu(0, FALSE, nullptr, FALSE);
    menu.Attach(top);
    size_t menusWithSecond = 0;
    ShowMenu(menu,
             {WhenMenusOpen(1, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 0); }),
              WhenMenusOpen(2, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 1); }),
              [&] {
                  std::vector<CBmpMenu*> menus = OpenMenus();
                  if (menus.size() < 2 || RowText(*menus.back(), 0) != "&Second") return false;
                  menusWithSecond = menus.size();
                  PressKey(VK_ESCAPE);
                  return true;
              },
              WhenAllClosed()},
             POINT{200, 150});
    EXPECT_EQ(menusWithSecond, 2u);
    EXPECT_EQ(m_owner.Count(WM_INITMENUPOPUP), 2u);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 3u);
    EXPECT_EQ(m_owner.Count(WM_COMMAND), 0u);
}

TEST_F(BmpMenuTest, EscapeInASubmenuClosesTheWholeChainWithoutACommand) {
    std::vector<std::string> submenuTexts;
    RECT parent{};
    RECT submenu{};
    Show({WhenMenusOpen(1, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 1); }),
          WhenMenusOpen(2,
                        [&](std::vector<CBmpMenu*>& menus) {
                            submenuTexts = {RowText(*menus[1], 0), RowText(*menus[1], 1)};
                            parent = ScreenRect(*menus[0]);
                            submenu = ScreenRect(*menus[1]);
                            PressKey(VK_ESCAPE);
                        }),
          WhenAllClosed()});

    EXPECT_EQ(submenuTexts, (std::vector<std::string>{"&First", "&Second"}));
    EXPECT_GE(submenu.left, parent.right - 6);  // beside its row, right of the parent
    EXPECT_EQ(m_owner.Count(WM_COMMAND), 0u);
    ASSERT_EQ(m_owner.Count(WM_INITMENUPOPUP), 1u);
    EXPECT_EQ(m_owner.Of(WM_INITMENUPOPUP)[0].wParam,
              reinterpret_cast<WPARAM>(GetSubMenu(m_menu.m_hMenu, 1)));
    EXPECT_EQ(m_owner.Count(WM_ENTERMENULOOP), 2u);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 2u);
}

// Left goes back to the parent, where the same item opens again at once; a
// second click on the open item changes nothing.
TEST_F(BmpMenuTest, LeftClosesOnlyTheSubmenuWhichThenOpensAgain) {
    int hotAfterRight = -2;
    Show({Key(1, VK_DOWN), Key(1, VK_DOWN), Key(1, VK_RIGHT),
          WhenMenusOpen(2,
                        [&](std::vector<CBmpMenu*>& menus) {
                            hotAfterRight = HotRow(*menus[1]);
                            PressKey(VK_LEFT);
                        }),
          WhenMenusOpen(1, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 1); }),
          WhenMenusOpen(2, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 1); }),
          Key(2, VK_DOWN), Key(2, VK_RETURN), WhenAllClosed()});

    EXPECT_EQ(hotAfterRight, 0);  // opened from the keyboard: its first row is hot
    EXPECT_EQ(Commands(m_owner), std::vector<WPARAM>{ID_TEST_FIRST});
    EXPECT_EQ(m_owner.Count(WM_INITMENUPOPUP), 2u);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 3u);
}

TEST_F(BmpMenuTest, AnotherApplicationBecomingActiveClosesTheChain) {
    Show({WhenMenusOpen(1, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 1); }),
          WhenMenusOpen(2,
                        [](std::vector<CBmpMenu*>& menus) {
                            // The window being activated belongs to another process: no handle.
                            menus[1]->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
                        }),
          WhenAllClosed()});
    EXPECT_EQ(m_owner.Count(WM_COMMAND), 0u);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 2u);
}

TEST_F(BmpMenuTest, RestingOnASubmenuItemOpensItAndAPlainItemClosesIt) {
    auto pointAt = [](CBmpMenu& menu, int row) {
        RECT rect = RowRect(menu, row);
        POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(menu, &centre);
        SetCursorPos(centre.x, centre.y);
    };
    Show({WhenMenusOpen(1, [&](std::vector<CBmpMenu*>& menus) { pointAt(*menus[0], 1); }),
          WhenMenusOpen(2, [&](std::vector<CBmpMenu*>& menus) { pointAt(*menus[0], 2); }),
          Key(1, VK_ESCAPE), WhenAllClosed()});
    EXPECT_EQ(m_owner.Count(WM_INITMENUPOPUP), 1u);
    EXPECT_EQ(m_owner.Count(WM_EXITMENULOOP), 2u);
    EXPECT_EQ(m_owner.Count(WM_COMMAND), 0u);
}

// A submenu with no room on the right opens left of its row, the row's strip
// included.
TEST_F(BmpMenuTest, NearTheRightEdgeASubmenuOpensLeftOfItsRowAndStrip) {
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    CBmpMenu withStrip(20, FALSE, nullptr, FALSE);
    RECT parentRow{};
    RECT submenu{};
    ShowMenu(withStrip,
             {WhenMenusOpen(1, [](std::vector<CBmpMenu*>& menus) { ClickRow(*menus[0], 1); }),
              WhenMenusOpen(2,
                            [&](std::vector<CBmpMenu*>& menus) {
                                parentRow = RowRect(*menus[0], 1);
                                MapWindowPoints(*menus[0], nullptr,
                                                reinterpret_cast<POINT*>(&parentRow), 2);
                                submenu = ScreenRect(*menus[1]);
                                PressKey(VK_ESCAPE);
                            }),
              WhenAllClosed()},
             POINT{screen.right - 160, 200});
    EXPECT_EQ(submenu.right, parentRow.left - 20);
    EXPECT_EQ(submenu.top, parentRow.top);
}

// A picture smaller than the row's square is centred on the menu colour; a
// larger one is cut to the square round its middle.
TEST_F(BmpMenuTest, RowPicturesAreCentredOrCutAndLightGreyTakesTheRowColour) {
    HBITMAP small = MakeBitmap(8, 8, [](HDC dc) {
        Fill(dc, 0, 0, 8, 8, kLightGrey);
        Fill(dc, 2, 2, 6, 6, kRed);
    });
    HBITMAP large = MakeBitmap(60, 60, [](HDC dc) {
        Fill(dc, 0, 0, 60, 60, kRed);
        Fill(dc, 0, 0, 12, 60, kGreen);
    });
    int squareSide = 0;
    std::vector<WindowPixels> shots;
    RECT rows[2]{};
    m_menu.Attach(LoadTestPopup());
    m_menu.SetItemBitmap(0, small);
    m_menu.SetItemBitmap(2, large);
    Show({WhenMenusOpen(1,
                        [&](std::vector<CBmpMenu*>& menus) {
                            CBmpMenu& menu = *menus[0];
                            rows[0] = RowRect(menu, 0);
                            rows[1] = RowRect(menu, 2);
                            squareSide = rows[1].bottom - rows[1].top;
                            shots.push_back(WindowPixels::Capture(menu));
                            menu.GetToolBar()->SetHotItem(0);
                            shots.push_back(WindowPixels::Capture(menu));
                            PressKey(VK_ESCAPE);
                        }),
          WhenAllClosed()});
    ASSERT_EQ(shots.size(), 2u);

    for (const WindowPixels& shot : shots) {
        EXPECT_EQ(shot.CountColor(rows[0], kRed), 16);
        EXPECT_EQ(shot.CountColor(rows[1], kGreen), 0);
        EXPECT_EQ(shot.CountColor(rows[1], kRed), squareSide * squareSide);
    }
    // The grey frame of the small picture, one pixel inside its corner.
    const int squareLeft = rows[0].left + 1;
    const int side = rows[0].bottom - rows[0].top;
    const POINT frame{squareLeft + (side - 8) / 2 + 1, rows[0].top + (side - 8) / 2 + 1};
    EXPECT_EQ(shots[0].At(frame.x, frame.y), GetSysColor(COLOR_MENU));
    EXPECT_EQ(shots[1].At(frame.x, frame.y), GetSysColor(COLOR_HIGHLIGHT));
    DeleteObject(small);
    DeleteObject(large);
}

}  // namespace
