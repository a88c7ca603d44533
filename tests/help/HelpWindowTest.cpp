// The help window read as a user reads it: the list, the pane, the search
// box and the keys, in every language.
#include <gtest/gtest.h>

#include <string>

#include "framework/Text.h"
#include "help/CHelpDlg.h"
#include "help/GandryResource.h"
#include "lang/HelpTexts.h"
#include "lang/Texts.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/ProbedDialog.h"

namespace {

class ProbedHelpDlg : public ProbedDialog<CHelpDlg, ProbedHelpDlg> {
public:
    ProbedHelpDlg(int language, Probe probe) : ProbedDialog(std::move(probe), language) {}

    // The pane as the user reads it, line breaks as "\n".
    std::string Pane() const {
        std::string utf8 = Utf8FromWide(FieldText(IDC_TOPIC_TEXT));
        for (size_t at = utf8.find("\r\n"); at != std::string::npos; at = utf8.find("\r\n", at))
            utf8.erase(at, 1);
        return utf8;
    }
    // Picks the row as a click would.
    void Choose(int row) {
        SendDlgItemMessageW(m_hWnd, IDC_TOPIC_LIST, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TOPIC_LIST, LBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(GetDlgItem(IDC_TOPIC_LIST)));
    }
    void Search(const std::wstring& words) {
        SetWindowTextW(GetDlgItem(IDC_SEARCH_EDIT), words.c_str());
    }
    void PressKey(int id, UINT key) {
        ::PostMessageW(GetDlgItem(id), WM_KEYDOWN, key, 0);
        ::PostMessageW(GetDlgItem(id), WM_KEYUP, key, 0xC0000000);
    }
};

int RowOf(const ProbedHelpDlg& window, HelpTopic topic) {
    const std::vector<HelpTopic> listed = window.ListedTopics();
    return static_cast<int>(std::find(listed.begin(), listed.end(), topic) - listed.begin());
}

// A help that drifts from the program's own messages fails here: every
// message of the main window, in every language, as the pane shows it.
TEST(HelpWindowTest, MessagesTopicQuotesEveryMessageOfTheMainWindow) {
    for (int language = 1; language <= 6; ++language) {
        SCOPED_TRACE(language);
        ProbedHelpDlg dialog(language, [&](ProbedHelpDlg& window) {
            window.Choose(RowOf(window, HELP_MESSAGES));
            const std::string pane = window.Pane();
            for (const TextSet* message : kMainProgramMessages)
                EXPECT_NE(pane.find(Text(*message, language)), std::string::npos)
                    << Text(*message, language);
        });
        dialog.DoModal();
    }
}

// Every topic opens in every language, with the main window's own item names
// filled in: no placeholder is left for the reader.
TEST(HelpWindowTest, EveryTopicReadsWholeInEveryLanguage) {
    for (int language = 1; language <= 6; ++language) {
        ProbedHelpDlg dialog(language, [&](ProbedHelpDlg& window) {
            EXPECT_EQ(window.GetWindowText(), Text(kHelpCaption, language));
            ASSERT_EQ(window.ListedTopics().size(), static_cast<size_t>(kHelpTopicCount));
            for (int row = 0; row < kHelpTopicCount; ++row) {
                window.Choose(row);
                const std::string pane = window.Pane();
                SCOPED_TRACE(pane.substr(0, 40));
                EXPECT_EQ(
                    pane.rfind(HelpTopicTitle(window.ListedTopics()[row], language) + "\n\n", 0),
                    0u);
                EXPECT_GT(pane.size(), 300u);
                EXPECT_EQ(pane.find('{'), std::string::npos);
            }
        });
        dialog.DoModal();
    }
}

TEST(HelpWindowTest, SearchNarrowsTheTopicsToThoseHoldingEveryWord) {
    ProbedHelpDlg dialog(1, [](ProbedHelpDlg& window) {
        window.Search(L"RECYCLE bin");
        EXPECT_EQ(window.ListedTopics(), (std::vector<HelpTopic>{HELP_MESSAGES, HELP_DELETING}));
        EXPECT_NE(window.Pane().find("Recycle Bin"), std::string::npos);

        window.Search(L"velmo-extract");
        EXPECT_EQ(window.ListedTopics(), std::vector<HelpTopic>{HELP_CONSOLE_TOOL});

        window.Search(L"recycle nowhere-to-be-found");
        EXPECT_TRUE(window.ListedTopics().empty());
        EXPECT_EQ(window.Pane(), Text(kHelpNothingFound, 1));

        window.Search(L"");
        EXPECT_EQ(window.ListedTopics().size(), static_cast<size_t>(kHelpTopicCount));
    });
    dialog.DoModal();

    // Letters beyond ASCII match whatever their case.
    ProbedHelpDlg german(3, [](ProbedHelpDlg& window) {
        window.Search(L"PAPIERKORB \u00dcBERGEORDNETE");
        EXPECT_TRUE(window.ListedTopics().empty());
        window.Search(L"PAPIERKORB l\u00d6schen");
        EXPECT_EQ(window.ListedTopics(), (std::vector<HelpTopic>{HELP_MESSAGES, HELP_DELETING}));
    });
    german.DoModal();
}

// Arrows move through the topics, Escape closes the window; the pane follows
// the window's size.
TEST(HelpWindowTest, KeysAndSizeWorkAsExpected) {
    ProbedHelpDlg dialog(1, [](ProbedHelpDlg& window) {
        EXPECT_EQ(GetFocus(), window.GetDlgItem(IDC_TOPIC_LIST));
        window.PressKey(IDC_TOPIC_LIST, VK_DOWN);
        ASSERT_TRUE(PumpUntil(
            [&] { return window.Pane().rfind(HelpTopicTitle(HELP_ADDING_DOCUMENTS, 1), 0) == 0; }));

        CRect before;
        ::GetWindowRect(window.GetDlgItem(IDC_TOPIC_TEXT), &before);
        window.SetWindowPos(nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
        CRect after;
        ::GetWindowRect(window.GetDlgItem(IDC_TOPIC_TEXT), &after);
        EXPECT_GT(after.Width(), before.Width());
        EXPECT_GT(after.Height(), before.Height());

        window.PressKey(IDC_TOPIC_LIST, VK_ESCAPE);
        EXPECT_TRUE(PumpUntil([&] { return window.GetResult() == IDCANCEL; }));
    });
    dialog.DoModal();
}

}  // namespace
