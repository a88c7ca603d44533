// DropTest.cpp - files, folders and shortcuts dropped on the document list
#include <gtest/gtest.h>

#include "DocListTestSupport.h"
#include "doclist/CDropFileListCtrl.h"
#include "tests/support/ControlProbes.h"

using Cells = std::vector<std::string>;

namespace {

DropListOptions Options(unsigned flags, const std::string& extension = "",
                        DropInsertCallback callback = nullptr) {
    DropListOptions options;
    options.flags = flags;
    options.extension = extension;
    options.insertCallback = callback;
    return options;
}

}  // namespace

TEST(DocumentListDrop, OneFileBecomesARowWithItsDetails) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "report.doc", 2048);
    SetLastWriteUtc(path, SYSTEMTIME{2004, 5, 1, 3, 7, 5, 9, 0});

    DropFiles(host.m_list, {path});

    ASSERT_EQ(host.m_list.GetItemCount(), 1);
    EXPECT_EQ(host.Row(0), (Cells{path, "2", "3/5/2004", "7:5:9"}));
    EXPECT_EQ(ListItemImage(host.m_list.m_hWnd, 0), 0);
}

TEST(DocumentListDrop, ThreeFilesEndWithTheShellsLastOnTop) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string a = MakeFile(folder, "a.doc");
    std::string b = MakeFile(folder, "b.doc");
    std::string c = MakeFile(folder, "c.doc");

    DropFiles(host.m_list, {a, b, c});

    EXPECT_EQ(host.Paths(), (Cells{c, b, a}));
}

TEST(DocumentListDrop, DuplicateInOtherLetterCaseChangesNothing) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "Letter.doc", 3000);
    DropFiles(host.m_list, {path});
    Cells before = host.Row(0);
    // Grow the file: a second insertion would show a different size.
    MakeFile(folder, "Letter.doc", 9000);
    std::string otherCase = path;
    otherCase.replace(otherCase.size() - 10, 10, "LETTER.DOC");

    DropFiles(host.m_list, {otherCase});

    ASSERT_EQ(host.m_list.GetItemCount(), 1);
    EXPECT_EQ(host.Row(0), before);
}

TEST(DocumentListDrop, DuplicatesAreInsertedWhenAllowed) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "twice.doc");
    ASSERT_TRUE(host.m_list.SetOptions(Options(DROP_ACCEPT_FILES | DROP_ALLOW_DUPLICATES)));

    DropFiles(host.m_list, {path});
    DropFiles(host.m_list, {path});

    EXPECT_EQ(host.Paths(), (Cells{path, path}));
}

TEST(DocumentListDrop, ShortcutListsItsTargetWithTheTargetsDetails) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string target = MakeFile(folder, "target.doc", 5 * 1024 + 1);
    SetLastWriteUtc(target, SYSTEMTIME{1999, 12, 5, 31, 23, 59, 58, 0});
    std::string link = folder.Ansi() + "\\target.doc.lnk";
    MakeShortcut(link, target);

    DropFiles(host.m_list, {link});

    ASSERT_EQ(host.m_list.GetItemCount(), 1);
    EXPECT_EQ(host.Row(0), (Cells{target, "5", "31/12/1999", "23:59:58"}));
}

TEST(DocumentListDrop, ShortcutToAListedDocumentIsADuplicate) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string target = MakeFile(folder, "target.doc");
    std::string link = folder.Ansi() + "\\shortcut.lnk";
    MakeShortcut(link, target);

    DropFiles(host.m_list, {target, link});

    EXPECT_EQ(host.Paths(), (Cells{target}));
}

TEST(DocumentListDrop, FolderIsRefusedWithTheStartupOptions) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string sub = MakeFolder(folder, "Documents");
    std::string file = MakeFile(folder, "kept.doc");

    DropFiles(host.m_list, {sub, file});

    EXPECT_EQ(host.Paths(), (Cells{file}));
}

TEST(DocumentListDrop, FolderGoesToTheCallbackWhenFoldersAreAccepted) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string sub = MakeFolder(folder, "Documents");
    std::string file = MakeFile(folder, "a.doc", 4096);
    ASSERT_TRUE(host.m_list.SetOptions(Options(
        DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS | DROP_USE_CALLBACK, "", InsertFromCallback)));

    DropFiles(host.m_list, {sub, file});

    ASSERT_EQ(host.m_list.GetItemCount(), 2);
    EXPECT_EQ(host.Row(1), (Cells{sub, "Inserted from callback function", "", ""}));
    EXPECT_EQ(ListItemImage(host.m_list.m_hWnd, 1), 1);
    EXPECT_EQ(host.Row(0), (Cells{file, "Inserted from callback function", "", ""}));
    EXPECT_EQ(ListItemImage(host.m_list.m_hWnd, 0), 0);
}

TEST(DocumentListDrop, ListedFolderShowsNoSizeButItsDate) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string sub = MakeFolder(folder, "Archive");
    ASSERT_TRUE(host.m_list.SetOptions(Options(DROP_ACCEPT_FOLDERS)));

    DropFiles(host.m_list, {sub});

    ASSERT_EQ(host.m_list.GetItemCount(), 1);
    Cells row = host.Row(0);
    EXPECT_EQ(row[0], sub);
    EXPECT_EQ(row[1], "");
    EXPECT_NE(row[2], "");
}

TEST(DocumentListDrop, ExtensionFilterIgnoresCaseAndNeedsTheWholeExtension) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string upper = MakeFile(folder, "A.DOC");
    std::string longer = MakeFile(folder, "a.docx");
    std::string bare = MakeFile(folder, "a");
    ASSERT_TRUE(host.m_list.SetOptions(Options(DROP_ACCEPT_FILES | DROP_FILTER_EXTENSION, ".doc")));

    DropFiles(host.m_list, {longer, upper, bare});

    EXPECT_EQ(host.Paths(), (Cells{upper}));
}

TEST(DocumentListDrop, MissingPathIsSkippedAndTheRestTaken) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string file = MakeFile(folder, "here.doc");

    DropFiles(host.m_list, {folder.Ansi() + "\\gone.doc", file});

    EXPECT_EQ(host.Paths(), (Cells{file}));
}

TEST(DocumentListOptions, CallbackFlagWithoutCallbackIsRefusedAndChangesNothing) {
    TempFolder folder("velmo-doclist");
    CListHostDlg host;
    std::string path = MakeFile(folder, "still.doc");

    EXPECT_FALSE(host.m_list.SetOptions(Options(DROP_ACCEPT_FOLDERS | DROP_USE_CALLBACK, ".x")));

    DropListOptions kept = host.m_list.GetOptions();
    EXPECT_EQ(kept.flags, DROP_ACCEPT_FILES);
    EXPECT_EQ(kept.extension, "");
    EXPECT_EQ(kept.insertCallback, nullptr);
    DropFiles(host.m_list, {path});
    EXPECT_EQ(host.Row(0)[1], "0");  // inserted by the list itself, with its details
}

TEST(DocumentListWindow, ListCreatedDirectlyAcceptsDroppedFiles) {
    CListHostDlg host;
    CDropFileListCtrl list;
    RECT rect = {0, 0, 200, 100};
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, rect, &host, 2000));

    EXPECT_TRUE(GetWindowLongW(list.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}
