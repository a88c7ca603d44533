// The main window by keyboard: Tab from the list reaches every button, Enter
// presses the one with the focus, and Enter in the list does nothing.
#include <gtest/gtest.h>

#include "lang/Texts.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/controls/BmpMenuDriver.h"
#include "tests/doclist/DocListTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

// What the user saw after pressing Enter: a message box's text, the open-file
// dialog, a popup menu, the program ending, the list emptied, or nothing.
const char kOpenDialog[] = "the open-file dialog";
const char kMenu[] = "a popup menu";
const char kExit[] = "the program ends";
const char kListEmptied[] = "the list emptied";
const char kNothing[] = "nothing";

struct EnterCase {
    int control;
    std::string seen;  // as above, or a message box's text
    int answer = 0;    // the button that closes the box, when one shows
};

// Tabs from the list until the control has the focus, as the user would.
bool TabTo(ProbedRecoveryDlg& shown, int control) {
    SetFocus(shown.Item(IDC_DOCUMENT_LIST));
    for (int tabs = 0; tabs < 16 && GetFocus() != shown.Item(control); ++tabs) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
        PumpMessages(30);
    }
    return GetFocus() == shown.Item(control);
}

// Presses Enter on the focused control and tells what followed. The boxes and
// dialogs it opens are answered while they are open.
std::string PressEnter(ProbedRecoveryDlg& shown, MessageBoxWatcher& watcher, bool expectMenu) {
    const size_t boxes = watcher.Count();
    const int exits = shown.exitRequests;
    OpenDialogDriver openDialog("");
    std::unique_ptr<MenuScript> menu;
    if (expectMenu)
        menu = std::make_unique<MenuScript>(std::vector<MenuScript::Step>{
            WhenMenusOpen(1, [](std::vector<CBmpMenu*>&) { PressKey(VK_ESCAPE); }),
            WhenAllClosed()});
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PumpMessages(300);
    if (watcher.Count() > boxes) return watcher.Boxes()[boxes].text;
    if (openDialog.Answered()) return kOpenDialog;
    if (menu && menu->Finished()) return kMenu;
    if (shown.exitRequests > exits) return kExit;
    if (shown.List().GetItemCount() == 0) return kListEmptied;
    return kNothing;
}

TEST(KeyboardTest, EnterPressesTheFocusedButtonAndDoesNothingInTheList) {
    SettingsFileGuard guard;
    TempFolder folder("velmo-keys");
    const std::string document = MakeFile(folder, "Notes.doc", 3000);
    WriteValidSettings(RunRecord(1, folder.Ansi() + "\\", 0));
    const std::string missing = Text(kMsgMissingFile, 1);
    const std::vector<EnterCase> cases = {
        {IDC_DOCUMENT_LIST, kNothing},
        {IDC_OPEN_BUTTON, kOpenDialog},
        {IDC_EXTRACT_BUTTON, Text(kRunResultNone, 1), IDOK},
        {IDC_OPTIONS_BUTTON, missing, IDOK},  // the test's settings name no install folder
        {IDC_HELP_BUTTON, missing, IDOK},
        {IDC_DELETE_BUTTON, FormatText(Text(kDeleteConfirmFirst, 1), {document}), IDNO},
        {IDC_EMPTY_BUTTON, kListEmptied},
        {IDC_FILE_MENU_BUTTON, kMenu},
        {IDC_OPTIONS_MENU_BUTTON, kMenu},
        {IDC_HELP_MENU_BUTTON, kMenu},
        {IDOK, kExit},
    };
    MessageBoxWatcher watcher;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        for (const EnterCase& press : cases) {
            SCOPED_TRACE(press.control);
            shown.List().DeleteAllItems();
            shown.AddSelectedDocument(document);
            ASSERT_TRUE(TabTo(shown, press.control));
            if (press.answer != 0) watcher.AddAnswer(press.answer);
            EXPECT_EQ(PressEnter(shown, watcher, press.seen == kMenu), press.seen);
            EXPECT_TRUE(IsWindowVisible(shown.GetSafeHwnd())) << "the window went away";
        }
    });
    dialog.DoModal();

    EXPECT_EQ(dialog.exitRequests, 1);
    EXPECT_TRUE(watcher.Problems().empty());
    EXPECT_TRUE(FileExists(document)) << "deleted despite No";
}

}  // namespace
