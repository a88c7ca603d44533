// The help window read as a user reads it: the list, the pane, the search
// box and the keys, in every language.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

#include "framework/Text.h"
#include "framework/WindowDC.h"
#include "help/CHelpDlg.h"
#include "help/GandryResource.h"
#include "lang/HelpTexts.h"
#include "lang/Texts.h"
#include "recovery/pictures/PictureKind.h"
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
    // How the pane shows the character at a place of its text (as Pane() gives it).
    CHARFORMAT2W LookAt(size_t place) const {
        HWND pane = GetDlgItem(IDC_TOPIC_TEXT);
        CHARRANGE range{static_cast<LONG>(place), static_cast<LONG>(place + 1)};
        SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    bool Marked(size_t place) const { return !(LookAt(place).dwEffects & CFE_AUTOBACKCOLOR); }
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

// A kind the scanner writes but the help forgets fails here: the topic on
// recovering names every kind, and the one on where the pictures go gives
// every kind's file-name ending as well, in every language.
TEST(HelpWindowTest, TopicsNameEveryKindOfPictureAndItsEnding) {
    const std::pair<HelpTopic, bool> topics[] = {{HELP_RECOVERING, false},
                                                 {HELP_WHERE_PICTURES_GO, true}};
    for (int language = 1; language <= 6; ++language) {
        ProbedHelpDlg dialog(language, [&](ProbedHelpDlg& window) {
            for (const auto& [topic, withEndings] : topics) {
                window.Choose(RowOf(window, topic));
                const std::string pane = window.Pane();
                SCOPED_TRACE(std::to_string(language) + " " + pane.substr(0, 30));
                for (size_t index = 0; index < kPictureKinds; ++index) {
                    const auto kind = static_cast<PictureKind>(index);
                    std::string name = KindName(kind);
                    CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));
                    EXPECT_NE(pane.find(name), std::string::npos) << name;
                    if (withEndings) {
                        EXPECT_NE(pane.find(FileExtension(kind)), std::string::npos) << name;
                    }
                }
            }
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

std::wstring Lowered(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// Users type words without their accents, ss for ß, and Romanian s and t with
// the cedilla of older keyboards: each finds what the exact spelling finds,
// and the pane marks the word where it stands, under a title set as a heading.
TEST(HelpWindowTest, SearchIgnoresAccentsAndFindsTheWordInThePane) {
    struct Case {
        int language;
        std::wstring typed;
        std::wstring written;  // as the topics spell it
    };
    const Case cases[] = {
        {1, L"Fran\u00e7ais", L"Francais"},      {2, L"recuperation", L"r\u00e9cup\u00e9ration"},
        {3, L"gr\u00f6sse", L"Gr\u00f6\u00dfe"}, {4, L"perche", L"perch\u00e9"},
        {5, L"IMAGENES", L"im\u00e1genes"},      {6, L"fi\u015fier", L"fi\u0219ier"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(Utf8FromWide(test.typed));
        ProbedHelpDlg dialog(test.language, [&](ProbedHelpDlg& window) {
            window.Search(test.written);
            const std::vector<HelpTopic> exact = window.ListedTopics();
            ASSERT_FALSE(exact.empty());
            window.Search(test.typed);
            EXPECT_EQ(window.ListedTopics(), exact);

            const std::wstring pane = Widen(window.Pane());
            const size_t word = Lowered(pane).find(Lowered(test.written));
            ASSERT_NE(word, std::wstring::npos);
            EXPECT_TRUE(window.Marked(word));
            EXPECT_TRUE(window.Marked(word + test.written.size() - 1));
            EXPECT_FALSE(window.Marked(word + test.written.size()));
            EXPECT_FALSE(window.Marked(pane.size() - 1));
            const CHARFORMAT2W title = window.LookAt(0);
            const CHARFORMAT2W body = window.LookAt(pane.size() - 1);
            EXPECT_TRUE(title.dwEffects & CFE_BOLD);
            EXPECT_GT(title.yHeight, body.yHeight);
        });
        dialog.DoModal();
    }
}

// The control's text as its own font draws it: its width, and the height of a line.
SIZE TextExtent(HWND control) {
    wchar_t text[64] = L"";
    GetWindowTextW(control, text, 64);
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return SIZE{extent.cx, metrics.tmHeight};
}

int ClientHeight(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    return client.bottom;
}

// With large fonts (144 DPI) the search label shows its whole line and the
// box and the Close button keep room around their text, in every language.
// The ctest large_fonts_help_tests runs this at 144 DPI; at 96 it skips.
TEST(LargeFonts, SearchLabelBoxAndCloseButtonHoldTheirText) {
    if (ScreenDpi() == kNormalDpi) GTEST_SKIP() << "run at 144 DPI by large_fonts_help_tests";
    for (int language = 1; language <= 6; ++language) {
        SCOPED_TRACE(language);
        ProbedHelpDlg dialog(language, [&](ProbedHelpDlg& window) {
            HWND label = window.GetDlgItem(IDC_SEARCH_LABEL);
            HWND box = window.GetDlgItem(IDC_SEARCH_EDIT);
            HWND close = window.GetDlgItem(IDCANCEL);
            EXPECT_GE(ClientHeight(label), TextExtent(label).cy);
            EXPECT_GE(ClientHeight(box), TextExtent(box).cy + 4);
            const SIZE caption = TextExtent(close);
            RECT closeRect;
            GetClientRect(close, &closeRect);
            EXPECT_GE(closeRect.bottom, caption.cy + 10);
            EXPECT_GE(closeRect.right, caption.cx + 12) << Text(kHelpClose, language);
        });
        dialog.DoModal();
    }
}

}  // namespace
