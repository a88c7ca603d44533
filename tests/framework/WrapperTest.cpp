// Wrappers and helpers: runtime classes, texts, menus, list control, image list.
#include <gtest/gtest.h>

#include "framework/Afx.h"
#include "tests/framework/TestResources.h"
#include "tests/support/ControlProbes.h"

namespace {

TEST(RuntimeClassTest, ClassesKnowTheirNamesAndBases) {
    CBitmapButton button;
    EXPECT_STREQ(button.GetRuntimeClass()->m_lpszClassName, "CBitmapButton");
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(button.IsKindOf("CButton"));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CStatic)));
    EXPECT_FALSE(button.IsKindOf("CDialog"));
}

TEST(RuntimeClassTest, WindowsAreAskedByClassName) {
    HWND plain =
        CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    CStatic bound;
    HWND other =
        CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(bound.SubclassWindow(other));
    EXPECT_TRUE(CWnd::IsWindowOfClass(other, "CStatic"));
    EXPECT_TRUE(CWnd::IsWindowOfClass(other, "CWnd"));
    EXPECT_FALSE(CWnd::IsWindowOfClass(other, "CButton"));
    EXPECT_FALSE(CWnd::IsWindowOfClass(plain, "CWnd"));  // no object bound
    EXPECT_FALSE(CWnd::IsWindowOfClass(nullptr, "CWnd"));
    DestroyWindow(plain);
}

TEST(TextTest, ConvertsBetweenUtf8Utf16AndTheAnsiCodePage) {
    EXPECT_EQ(Widen("Größe"), L"Größe");
    EXPECT_EQ(Utf8FromWide(L"Mărime"), "Mărime");
    EXPECT_EQ(Widen(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(Utf8FromWide(static_cast<const wchar_t*>(nullptr)), "");
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << GetACP();
    EXPECT_EQ(Utf8FromAnsi("Gr\xF6\xDF"
                           "e"),
              "Größe");
    EXPECT_EQ(AnsiFromUtf8("Größe"),
              "Gr\xF6\xDF"
              "e");
    EXPECT_EQ(WidenAnsi("Gr\xF6\xDF"
                        "e"),
              L"Größe");
}

TEST(MenuTest, LoadsChangesTextsAsUtf8AndDestroysTheMenu) {
    HMENU loaded;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
        loaded = menu;
        CMenu popup;
        popup.Attach(::GetSubMenu(menu, 0));
        EXPECT_EQ(popup.GetMenuItemCount(), 3);
        EXPECT_EQ(::GetMenuItemID(popup, 1), static_cast<UINT>(ID_TEST_SECOND));
        ASSERT_TRUE(popup.ModifyMenu(1, MF_BYPOSITION | MF_STRING, ID_TEST_SECOND, "Größe"));
        wchar_t text[32] = {};
        GetMenuStringW(popup, 1, text, 32, MF_BYPOSITION);
        EXPECT_STREQ(text, L"Größe");
        popup.Detach();  // belongs to the menu
    }
    EXPECT_FALSE(IsMenu(loaded));
}

class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        HWND hWnd = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(hWnd));
        m_list.InsertColumn(0, "Größe KB", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "Date", LVCFMT_LEFT, 80);
    }
    CListCtrl m_list;
};

TEST_F(ListTest, ColumnsAndItemsReadBackAsWritten) {
    EXPECT_EQ(m_list.SendMessage(LVM_GETCOLUMNWIDTH, 0), 120);
    wchar_t caption[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = caption;
    column.cchTextMax = 32;
    m_list.SendMessage(LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(caption, L"Größe KB");

    EXPECT_EQ(m_list.InsertItem(0, "C:\\Docs\\a.doc"), 0);
    EXPECT_EQ(m_list.InsertItem(0, "C:\\Docs\\b.doc", 1), 0);
    m_list.SetItemText(0, 1, "5/3/2004");
    EXPECT_EQ(m_list.GetItemText(0, 0), "C:\\Docs\\b.doc");
    EXPECT_EQ(m_list.GetItemText(0, 1), "5/3/2004");
    EXPECT_EQ(ListItemImage(m_list.m_hWnd, 0), 1);
    EXPECT_EQ(m_list.FindItem("c:\\docs\\A.DOC"), 1);
    EXPECT_EQ(m_list.FindItem("C:\\Docs\\missing.doc"), -1);

    std::string longPath = "C:\\" + std::string(600, 'x') + ".doc";
    m_list.SetItemText(1, 0, longPath);
    EXPECT_EQ(m_list.GetItemText(1, 0), longPath);
}

TEST_F(ListTest, SelectionDeletionAndLook) {
    for (int i = 0; i < 3; ++i) m_list.InsertItem(i, "row " + std::to_string(i));
    SetListItemState(m_list.m_hWnd, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(m_list.GetSelectedCount(), 1u);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_TRUE(m_list.DeleteItem(1));
    EXPECT_EQ(m_list.GetItemCount(), 2);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(m_list.GetItemCount(), 0);

    m_list.SetBkColor(RGB(166, 204, 224));
    EXPECT_EQ(m_list.SendMessage(LVM_GETBKCOLOR), RGB(166, 204, 224));
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(m_list.SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE), LVS_EX_FULLROWSELECT);

    CImageList images;
    images.m_hImageList = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 16);
    ASSERT_NE(images.m_hImageList, nullptr);
    m_list.SetImageList(&images, LVSIL_SMALL);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(m_list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL)),
              images.m_hImageList);
    m_list.SetImageList(nullptr, LVSIL_SMALL);
}

TEST(ProgressTest, StaysWithinItsRange) {
    CProgressCtrl progress;
    ASSERT_TRUE(
        progress.CreateEx(0, PROGRESS_CLASSA, "", WS_POPUP, 0, 0, 100, 10, nullptr, nullptr));
    progress.SetRange(0, 10);
    progress.SetPos(4);
    EXPECT_EQ(progress.GetPos(), 4);
    progress.SetPos(25);
    EXPECT_EQ(progress.GetPos(), 10);
}

}  // namespace
