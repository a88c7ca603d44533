// ListCommandsTest.cpp - Open, Remove, Delete from disk and Empty List on a
// real list, with the real open dialog and message boxes answered
#include <gtest/gtest.h>

#include "DocListTestSupport.h"
#include "framework/CWinApp.h"
#include "framework/Module.h"
#include "tests/support/MessageBoxWatcher.h"

using Cells = std::vector<std::string>;

namespace {

const char kCaption[] = "Velmo Image Recovery";

std::string CurrentDirectory() {
    DWORD length = GetCurrentDirectoryA(0, nullptr);
    std::string directory(length, '\0');
    directory.resize(GetCurrentDirectoryA(length, &directory[0]));
    return directory;
}

std::string WithoutTrailingSlash(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

// A list holding three documents, the middle one selected.
struct ThreeDocuments {
    TempFolder folder{"velmo-doclist"};
    CListHostDlg host;
    std::string first = MakeFile(folder, "first.doc");
    std::string middle = MakeFile(folder, "middle.doc");
    std::string last = MakeFile(folder, "last.doc");

    ThreeDocuments() {
        DropFiles(host.m_list, {first, middle, last});
        host.Select(1);
    }
};

}  // namespace

TEST(AddDocument, SameDocumentTwiceGivesTwoRowsNewestOnTop) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "chosen.doc", 3 * 1024);
    SetLastWriteUtc(path, SYSTEMTIME{2004, 5, 1, 3, 7, 5, 9, 0});
    std::string other = MakeFile(folder, "other.doc");
    DropFiles(host.m_list, {other});
    MessageBoxWatcher watcher;

    for (int time = 0; time < 2; ++time) {
        OpenDialogDriver driver(path);
        host.m_commands.OnAddDocument();
        ASSERT_TRUE(driver.Answered());
        EXPECT_EQ(driver.Title(), "Ad file ");
    }

    EXPECT_EQ(host.Paths(), (Cells{path, path, other}));
    EXPECT_EQ(host.Row(0), (Cells{path, "3", "3/5/2004", "7:5:9"}));
    EXPECT_EQ(host.Row(1), host.Row(0));
    EXPECT_EQ(watcher.Count(), 0u);
}

TEST(AddDocument, LeavesTheCurrentDirectoryAtTheChosenFolder) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string sub = MakeFolder(folder, "Letters");
    std::string path = MakeFile(folder, "Letters\\june.doc");
    SetCurrentDirectoryA(folder.Ansi().c_str());

    OpenDialogDriver driver(path);
    host.m_commands.OnAddDocument();

    ASSERT_TRUE(driver.Answered());
    EXPECT_EQ(WithoutTrailingSlash(CurrentDirectory()), sub);
    SetCurrentDirectoryA("C:\\");  // let the folder go
}

TEST(AddDocument, TitleFollowsTheLanguage) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "brief.doc");
    host.m_languageIndex = 3;

    OpenDialogDriver driver(path);
    host.m_commands.OnAddDocument();

    ASSERT_TRUE(driver.Answered());
    EXPECT_EQ(driver.Title(), "Datei vorzuw\xC3\xA4hlen ");
    EXPECT_EQ(host.Paths(), (Cells{path}));
    SetCurrentDirectoryA("C:\\");
}

TEST(AddDocument, CancelChangesNothing) {
    ThreeDocuments list;
    std::string before = CurrentDirectory();

    OpenDialogDriver driver("");
    list.host.m_commands.OnAddDocument();

    ASSERT_TRUE(driver.Answered());
    EXPECT_EQ(list.host.Paths(), (Cells{list.last, list.middle, list.first}));
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST(RemoveFromList, RemovesTheSelectedRowAndKeepsTheFile) {
    ThreeDocuments list;
    MessageBoxWatcher watcher;

    list.host.m_commands.OnRemoveSelected();

    EXPECT_EQ(list.host.Paths(), (Cells{list.last, list.first}));
    EXPECT_TRUE(FileExists(list.middle));
    EXPECT_EQ(watcher.Count(), 0u);
}

TEST(RemoveFromList, WithoutSelectionSaysSo) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    DropFiles(host.m_list, {MakeFile(folder, "a.doc")});
    MessageBoxWatcher watcher({IDOK});

    host.m_commands.OnRemoveSelected();

    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_EQ(watcher.Boxes()[0].caption, kCaption);
    EXPECT_EQ(watcher.Boxes()[0].text, "No file selected!");
    EXPECT_EQ(host.m_list.GetItemCount(), 1);
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(DeleteFromDisk, NoAtTheFirstQuestionKeepsFileAndRow) {
    ThreeDocuments list;
    MessageBoxWatcher watcher({IDNO});

    list.host.m_commands.OnDeleteSelected();

    ASSERT_TRUE(watcher.WaitForBoxes(1));
    SeenMessageBox box = watcher.Boxes()[0];
    EXPECT_EQ(box.caption, AfxGetAppName());
    EXPECT_EQ(box.text, "Are you sure you want to delete  file " + list.middle + " ?");
    EXPECT_EQ(watcher.Count(), 1u);
    EXPECT_TRUE(FileExists(list.middle));
    EXPECT_EQ(list.host.Paths(), (Cells{list.last, list.middle, list.first}));
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(DeleteFromDisk, NoAtTheSecondQuestionKeepsFileAndRow) {
    ThreeDocuments list;
    MessageBoxWatcher watcher({IDYES, IDNO});

    list.host.m_commands.OnDeleteSelected();

    ASSERT_TRUE(watcher.WaitForBoxes(2));
    EXPECT_EQ(watcher.Boxes()[1].caption, AfxGetAppName());
    EXPECT_EQ(watcher.Boxes()[1].text, "Are you sure  ?");
    EXPECT_TRUE(FileExists(list.middle));
    EXPECT_EQ(list.host.m_list.GetItemCount(), 3);
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(DeleteFromDisk, YesTwiceDeletesTheSelectedFileAndItsRow) {
    ThreeDocuments list;
    MessageBoxWatcher watcher({IDYES, IDYES});

    list.host.m_commands.OnDeleteSelected();

    EXPECT_EQ(watcher.Count(), 2u);
    EXPECT_FALSE(FileExists(list.middle));
    EXPECT_TRUE(FileExists(list.first));
    EXPECT_EQ(list.host.Paths(), (Cells{list.last, list.first}));
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(DeleteFromDisk, QuestionsFollowTheLanguage) {
    ThreeDocuments list;
    list.host.m_languageIndex = 6;
    MessageBoxWatcher watcher({IDYES, IDNO});

    list.host.m_commands.OnDeleteSelected();

    ASSERT_TRUE(watcher.WaitForBoxes(2));
    EXPECT_EQ(watcher.Boxes()[0].text,
              "Sunteti sigur ca vreti sa stergeti fisierul sursa " + list.middle + " ?");
    EXPECT_EQ(watcher.Boxes()[1].text, "Sunteti sigur  ?");
}

TEST(DeleteFromDisk, FileHeldOpenIsReportedAndTheRowStays) {
    ThreeDocuments list;
    HANDLE hold = CreateFileA(list.middle.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    MessageBoxWatcher watcher({IDYES, IDYES, IDOK});

    list.host.m_commands.OnDeleteSelected();
    CloseHandle(hold);

    ASSERT_TRUE(watcher.WaitForBoxes(3));
    EXPECT_EQ(watcher.Boxes()[2].caption, kCaption);
    EXPECT_EQ(watcher.Boxes()[2].text,
              "Error writing file. Quit any application that might use the file!");
    EXPECT_TRUE(FileExists(list.middle));
    EXPECT_EQ(list.host.Paths(), (Cells{list.last, list.middle, list.first}));
    EXPECT_TRUE(watcher.Problems().empty());
}

TEST(DeleteFromDisk, ReadOnlyFileIsReportedInTheLanguageAndTheRowStays) {
    ThreeDocuments list;
    list.host.m_languageIndex = 3;
    SetFileAttributesA(list.middle.c_str(), FILE_ATTRIBUTE_READONLY);
    MessageBoxWatcher watcher({IDYES, IDYES, IDOK});

    list.host.m_commands.OnDeleteSelected();
    bool kept = FileExists(list.middle);
    SetFileAttributesA(list.middle.c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_TRUE(watcher.WaitForBoxes(3));
    EXPECT_EQ(watcher.Boxes()[2].text,
              "St\xC3\xB6rungsschreibensakte.  Beendigen Sie jede m\xC3\xB6gliche Anwendung, "
              "die die Datei benutzen konnte!");
    EXPECT_TRUE(kept);
    EXPECT_EQ(list.host.m_list.GetItemCount(), 3);
}

TEST(DeleteFromDisk, WithoutSelectionSaysSoAndAsksNothing) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "a.doc");
    DropFiles(host.m_list, {path});
    MessageBoxWatcher watcher({IDOK});

    host.m_commands.OnDeleteSelected();

    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, "No file selected!");
    EXPECT_TRUE(FileExists(path));
}

TEST(EmptyList, RemovesEveryRowWithoutAskingAndKeepsTheFiles) {
    ThreeDocuments list;
    MessageBoxWatcher watcher;

    list.host.m_commands.OnEmptyList();
    list.host.m_commands.OnEmptyList();

    EXPECT_EQ(list.host.m_list.GetItemCount(), 0);
    EXPECT_TRUE(FileExists(list.first) && FileExists(list.middle) && FileExists(list.last));
    EXPECT_EQ(watcher.Count(), 0u);
}

TEST(DeleteFromDisk, PathWithTwoLeadingBackslashesIsDeletedByThatPath) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "shared.doc");
    // The local form of a network path; the doubled backslashes must stay.
    std::string listed = "\\\\?\\" + path;
    host.m_list.InsertItem(0, listed);
    host.Select(0);
    MessageBoxWatcher watcher({IDYES, IDYES});

    host.m_commands.OnDeleteSelected();

    ASSERT_TRUE(watcher.WaitForBoxes(2));
    EXPECT_EQ(watcher.Boxes()[0].text, "Are you sure you want to delete  file " + listed + " ?");
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(host.m_list.GetItemCount(), 0);
}
