// MainWindowListTest.cpp - the document list inside the real main window: its
// start-up options and every identifier that reaches the list commands
#include <gtest/gtest.h>

#include "DocListTestSupport.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ControlProbes.h"

using Cells = std::vector<std::string>;

namespace {

// Runs the main window with valid English settings and probes it once shown.
void WithMainWindow(const std::function<void(ProbedRecoveryDlg&)>& probe) {
    SettingsFileGuard settings;
    WriteValidSettings(RecordWith(1));
    ProbedRecoveryDlg window(probe);
    window.DoModal();
}

bool IsChecked(ProbedRecoveryDlg& window, int id) {
    return SendMessageW(window.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

TEST(MainWindowList, StartsWithFilesOnlyWhileTheOptionControlsHoldTheirOwnValues) {
    TempFolder folder("velmo-doclist");
    std::string sub = MakeFolder(folder, "Folder");
    std::string file = MakeFile(folder, "a.doc", 2048);
    DropListOptions options;
    bool controlsAsStarted = false;
    Cells paths;
    Cells row;

    WithMainWindow([&](ProbedRecoveryDlg& window) {
        options = window.List().GetOptions();
        controlsAsStarted =
            IsChecked(window, IDC_ACCEPT_FILES) && IsChecked(window, IDC_ACCEPT_FOLDERS) &&
            IsChecked(window, IDC_ALL_FILES) && !IsChecked(window, IDC_ALLOW_DUPLICATES) &&
            !IsChecked(window, IDC_USE_CALLBACK);
        SendDropFiles(window.List(), {sub, file});
        for (int i = 0; i < window.List().GetItemCount(); ++i)
            paths.push_back(window.List().GetItemText(i, 0));
        for (int column = 0; column < 4; ++column)
            row.push_back(window.List().GetItemText(0, column));
    });

    EXPECT_EQ(options.flags, DROP_ACCEPT_FILES);
    EXPECT_EQ(options.extension, "");
    EXPECT_EQ(options.insertCallback, nullptr);
    EXPECT_TRUE(controlsAsStarted);
    EXPECT_EQ(paths, (Cells{file}));
    EXPECT_EQ(row[1], "2");
}

TEST(MainWindowList, EveryCommandIdentifierReachesItsCommand) {
    TempFolder folder("velmo-doclist");
    std::string a = MakeFile(folder, "a.doc");
    std::string b = MakeFile(folder, "b.doc");
    std::vector<int> rowsAfterEmpty;
    int rowsAfterOpen = 0;
    int rowsAfterRemove = 0;
    size_t deleteQuestions = 0;
    bool deletedByButton = false;
    DropListOptions afterCallbackClick;

    WithMainWindow([&](ProbedRecoveryDlg& window) {
        CDropFileListCtrl& list = window.List();
        for (int id : {IDC_OPEN_BUTTON, ID_FILE_ADD}) {
            OpenDialogDriver driver(a);
            window.Command(id);
        }
        rowsAfterOpen = list.GetItemCount();

        SetListItemState(list.m_hWnd, 0, LVIS_SELECTED, LVIS_SELECTED);
        window.Command(ID_LIST_REMOVE);
        rowsAfterRemove = list.GetItemCount();

        SendDropFiles(list, {b});
        for (int id : {IDC_DELETE_BUTTON, ID_FILE_DELETE, ID_LIST_DELETE}) {
            SetListItemState(list.m_hWnd, 0, LVIS_SELECTED, LVIS_SELECTED);
            MessageBoxWatcher watcher({IDNO});
            window.Command(id);
            deleteQuestions += watcher.Count();
        }
        {
            SetListItemState(list.m_hWnd, 0, LVIS_SELECTED, LVIS_SELECTED);
            MessageBoxWatcher watcher({IDYES, IDYES});
            window.Command(IDC_DELETE_BUTTON);
            deletedByButton = !FileExists(b);
        }

        for (int id : {IDC_EMPTY_BUTTON, ID_FILE_CLEAR, ID_LIST_EMPTY}) {
            SendDropFiles(list, {a});
            window.Command(id);
            rowsAfterEmpty.push_back(list.GetItemCount());
        }

        SendMessageW(window.Item(IDC_USE_CALLBACK), BM_CLICK, 0, 0);
        afterCallbackClick = list.GetOptions();
    });
    SetCurrentDirectoryA("C:\\");

    EXPECT_EQ(rowsAfterOpen, 2);
    EXPECT_EQ(rowsAfterRemove, 1);
    EXPECT_EQ(deleteQuestions, 3u);
    EXPECT_TRUE(deletedByButton);
    EXPECT_EQ(rowsAfterEmpty, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(afterCallbackClick.flags,
              DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS | DROP_USE_CALLBACK);
    EXPECT_EQ(afterCallbackClick.insertCallback, &InsertFromCallback);
}
