// OleTest.cpp - the list's own OLE initialisation: paired, and reported when
// the thread cannot have it
#include <gtest/gtest.h>
#include <objbase.h>
#include <ole2.h>

#include <thread>

#include "DocListTestSupport.h"
#include "framework/CWinApp.h"
#include "framework/Module.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

// Whether the thread is free of OLE: only then may it join the multithreaded
// apartment. Leaves the thread as it found it.
bool ThreadIsFreeOfOle() {
    HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    return result == S_OK;
}

template <typename Body>
void OnFreshThread(Body body) {
    std::thread thread(body);
    thread.join();
}

}  // namespace

TEST(DocumentListOle, EachListGivesBackTheOleItTook) {
    bool freeAfter = false;
    bool heldMeanwhile = false;
    OnFreshThread([&] {
        {
            CDropFileListCtrl first;
            CDropFileListCtrl second;
            heldMeanwhile = !ThreadIsFreeOfOle();
        }
        freeAfter = ThreadIsFreeOfOle();
    });
    EXPECT_TRUE(heldMeanwhile);
    EXPECT_TRUE(freeAfter);
}

TEST(DocumentListOle, OleOfTheThreadOutlivesTheList) {
    bool keptAfterList = false;
    OnFreshThread([&] {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        { CDropFileListCtrl list; }
        keptAfterList = !ThreadIsFreeOfOle();
        OleUninitialize();
    });
    EXPECT_TRUE(keptAfterList);
}

TEST(DocumentListOle, FailureIsReportedAndTheListStaysUsable) {
    TempFolder folder("velmo-doclist");
    std::string target = MakeFile(folder, "target.doc");
    std::string link = folder.Ansi() + "\\shortcut.lnk";
    {
        CListHostDlg maker;  // shortcuts are made with OLE of this thread
        MakeShortcut(link, target);
    }
    std::vector<SeenMessageBox> boxes;
    std::vector<std::string> paths;
    bool stillInMultithreadedApartment = false;
    OnFreshThread([&] {
        // A thread in the multithreaded apartment cannot have OLE.
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            MessageBoxWatcher watcher({IDOK});
            CListHostDlg host;
            boxes = watcher.Boxes();
            DropFiles(host.m_list, {link});
            paths = host.Paths();
        }
        stillInMultithreadedApartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED) == S_FALSE;
        CoUninitialize();
        CoUninitialize();
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, AfxGetAppName());
    EXPECT_EQ(boxes[0].text,
              "OLE initialization failed.\n\nMake sure that the OLE libraries are the correct "
              "version.");
    // The thread's own COM still makes the shortcut object.
    EXPECT_EQ(paths, std::vector<std::string>{target});
    EXPECT_TRUE(stillInMultithreadedApartment);
}
