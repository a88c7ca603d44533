// CHelpDlg.cpp
#include "help/CHelpDlg.h"

#include <richedit.h>

#include <algorithm>

#include "framework/Text.h"
#include "help/GandryResource.h"
#include "help/TopicSearch.h"
#include "lang/TextSet.h"

namespace {

// Sizes in dialog units, so that they grow with the window's font as the
// texts in them do (large fonts, 144 DPI).
constexpr int kMargin = 5;
constexpr int kLabelHeight = 10;
constexpr int kEditHeight = 14;
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 16;
constexpr int kSmallestListWidth = 113;
constexpr SIZE kSmallestWindow = {347, 234};
// Twips: the title stands above the text at half as large again.
constexpr LONG kHeadingHeight = 240;
constexpr COLORREF kFoundWordBack = RGB(255, 226, 64);

// The reading pane is a rich edit, where a paragraph ends with "\r\n" and
// counts as one character, as "\n" does in the text the search looks at.
std::wstring PaneText(const std::wstring& text) {
    std::wstring pane;
    for (wchar_t c : text) {
        if (c == L'\n') pane += L'\r';
        pane += c;
    }
    return pane;
}

// A new text takes the look of the one it replaces: the pane starts plain.
void SetPlainText(HWND pane, const std::wstring& text) {
    SetWindowTextW(pane, text.c_str());
    CHARFORMAT2W plain{};
    plain.cbSize = sizeof plain;
    SendMessageW(pane, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&plain));
    SendMessageW(pane, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&plain));
}

void FormatRange(HWND pane, size_t start, size_t length, const CHARFORMAT2W& format) {
    CHARRANGE range{static_cast<LONG>(start), static_cast<LONG>(start + length)};
    SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageW(pane, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

BEGIN_MESSAGE_MAP(CHelpDlg, CCompanionDlg)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_EN_CHANGE(IDC_SEARCH_EDIT, OnSearchChanged)
    ON_LBN_SELCHANGE(IDC_TOPIC_LIST, OnTopicChosen)
    ON_COMMAND(IDOK, OnEnter)
END_MESSAGE_MAP()

CHelpDlg::CHelpDlg(int languageIndex) : CCompanionDlg(IDD_HELP, IDI_HELP_ICON) {
    m_languageIndex = ValidLanguage(languageIndex);
    // The reading pane's window class comes with the library; it stays loaded
    // for the life of the process.
    static const HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    (void)richEdit;
}

BOOL CHelpDlg::OnInitDialog() {
    CCompanionDlg::OnInitDialog();
    SendDlgItemMessageW(m_hWnd, IDC_TOPIC_TEXT, EM_SETBKGNDCOLOR, 0, kCompanionField);
    ApplyTexts();
    FillTopicList(HELP_GETTING_STARTED);
    CRect client;
    GetClientRect(&client);
    LayOut(client.Width(), client.Height());
    // The arrows move through the topics from the start.
    ::SetFocus(GetDlgItem(IDC_TOPIC_LIST));
    return FALSE;
}

std::string CHelpDlg::BandTitle() const { return Text(kHelpCaption, m_languageIndex); }

void CHelpDlg::ApplyTexts() {
    SetWindowText(Text(kHelpCaption, m_languageIndex));
    SetWindowTextW(GetDlgItem(IDC_SEARCH_LABEL),
                   Widen(Text(kHelpSearchLabel, m_languageIndex)).c_str());
    SetWindowTextW(GetDlgItem(IDCANCEL), Widen(Text(kHelpClose, m_languageIndex)).c_str());
}

std::vector<HelpTopic> CHelpDlg::ListedTopics() const {
    std::vector<HelpTopic> topics;
    const int count =
        static_cast<int>(SendDlgItemMessageW(m_hWnd, IDC_TOPIC_LIST, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        topics.push_back(static_cast<HelpTopic>(SendDlgItemMessageW(
            m_hWnd, IDC_TOPIC_LIST, LB_GETITEMDATA, static_cast<WPARAM>(row), 0)));
    }
    return topics;
}

// Keeps the topic being read selected when it still matches, else the first.
void CHelpDlg::FillTopicList(HelpTopic keep) {
    HWND list = GetDlgItem(IDC_TOPIC_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    int selected = 0;
    for (HelpTopic topic : TopicsMatching(FieldText(IDC_SEARCH_EDIT), m_languageIndex)) {
        const std::wstring title = Widen(HelpTopicTitle(topic, m_languageIndex));
        const LRESULT row =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(topic));
        if (topic == keep) selected = static_cast<int>(row);
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    ShowTopicText();
}

void CHelpDlg::ShowTopicText() {
    HWND pane = GetDlgItem(IDC_TOPIC_TEXT);
    const LRESULT row = SendDlgItemMessageW(m_hWnd, IDC_TOPIC_LIST, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) {
        SetPlainText(pane, Widen(Text(kHelpNothingFound, m_languageIndex)));
        return;
    }
    const auto topic = static_cast<HelpTopic>(
        SendDlgItemMessageW(m_hWnd, IDC_TOPIC_LIST, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
    const std::wstring title = Widen(HelpTopicTitle(topic, m_languageIndex));
    const std::wstring text = title + L"\n\n" + Widen(HelpTopicText(topic, m_languageIndex));
    SetPlainText(pane, PaneText(text));
    ShowHeadingAndFoundWords(title.size(), text);
}

// The title in large bold type; each word searched for on a marker colour,
// and the first of them scrolled into view.
void CHelpDlg::ShowHeadingAndFoundWords(size_t titleLength, const std::wstring& text) {
    HWND pane = GetDlgItem(IDC_TOPIC_TEXT);
    CHARFORMAT2W heading{};
    heading.cbSize = sizeof heading;
    // Bold said both ways: the pane's plain look carries a weight of its own.
    // The title band's green marks it too, where bold type is not drawn.
    heading.dwMask = CFM_BOLD | CFM_WEIGHT | CFM_SIZE | CFM_COLOR;
    heading.dwEffects = CFE_BOLD;
    heading.wWeight = FW_BOLD;
    heading.crTextColor = kCompanionTitleGreen;
    heading.yHeight = kHeadingHeight;
    FormatRange(pane, 0, titleLength, heading);
    CHARFORMAT2W marked{};
    marked.cbSize = sizeof marked;
    marked.dwMask = CFM_BACKCOLOR;
    marked.crBackColor = kFoundWordBack;
    const std::vector<FoundWord> found = WordsFoundIn(text, FieldText(IDC_SEARCH_EDIT));
    for (const FoundWord& word : found) FormatRange(pane, word.start, word.length, marked);
    const LONG caret = found.empty() ? 0 : static_cast<LONG>(found.front().start);
    CHARRANGE start{caret, caret};
    SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(pane, EM_SCROLLCARET, 0, 0);
}

void CHelpDlg::OnSearchChanged() {
    const LRESULT row = SendDlgItemMessageW(m_hWnd, IDC_TOPIC_LIST, LB_GETCURSEL, 0, 0);
    HelpTopic reading = HELP_GETTING_STARTED;
    if (row != LB_ERR) {
        reading = static_cast<HelpTopic>(SendDlgItemMessageW(m_hWnd, IDC_TOPIC_LIST, LB_GETITEMDATA,
                                                             static_cast<WPARAM>(row), 0));
    }
    FillTopicList(reading);
}

void CHelpDlg::OnTopicChosen() { ShowTopicText(); }

void CHelpDlg::OnEnter() { ::SetFocus(GetDlgItem(IDC_TOPIC_LIST)); }

void CHelpDlg::OnSize(UINT type, int width, int height) {
    if (type != SIZE_MINIMIZED) LayOut(width, height);
}

void CHelpDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    const SIZE smallest = Pixels(kSmallestWindow.cx, kSmallestWindow.cy);
    info->ptMinTrackSize.x = smallest.cx;
    info->ptMinTrackSize.y = smallest.cy;
}

SIZE CHelpDlg::Pixels(int dialogX, int dialogY) const {
    RECT rect{0, 0, dialogX, dialogY};
    ::MapDialogRect(m_hWnd, &rect);
    return SIZE{rect.right, rect.bottom};
}

// The topics take a third of the width on the left, the text the rest; the
// Close button sits under the text.
void CHelpDlg::LayOut(int width, int height) {
    const SIZE margin = Pixels(kMargin, kMargin);
    const SIZE button = Pixels(kButtonWidth, kButtonHeight);
    const int labelHeight = Pixels(0, kLabelHeight).cy;
    const int editHeight = Pixels(0, kEditHeight).cy;
    const int top = kCompanionBandHeight + margin.cy;
    const int listWidth = std::max<int>(Pixels(kSmallestListWidth, 0).cx, width / 3);
    Place(IDC_SEARCH_LABEL, margin.cx, top, listWidth, labelHeight);
    Place(IDC_SEARCH_EDIT, margin.cx, top + labelHeight, listWidth, editHeight);
    const int listTop = top + labelHeight + editHeight + margin.cy;
    Place(IDC_TOPIC_LIST, margin.cx, listTop, listWidth, height - listTop - margin.cy);
    const int textLeft = 2 * margin.cx + listWidth;
    const int textWidth = width - textLeft - margin.cx;
    const int buttonTop = height - margin.cy - button.cy;
    Place(IDC_TOPIC_TEXT, textLeft, top, textWidth, buttonTop - margin.cy - top);
    Place(IDCANCEL, width - margin.cx - button.cx, buttonTop, button.cx, button.cy);
    Invalidate();
}

void CHelpDlg::Place(int id, int x, int y, int width, int height) {
    ::MoveWindow(GetDlgItem(id), x, y, std::max(width, 0), std::max(height, 0), TRUE);
}
