// OptionControlsTest.cpp - the hidden option controls (IDC_EXTENSION_EDIT to
// IDC_FILTER_EXTENSION) clicked for real and what the list then accepts
#include <gtest/gtest.h>

#include "DocListTestSupport.h"
#include "res/resource.h"
#include "tests/support/ControlProbes.h"

using Cells = std::vector<std::string>;

namespace {

// The host with the main window's routing of the option controls.
class COptionHostDlg : public CListHostDlg {
protected:
    void OnOptionChanged() { m_optionControls.OnChanged(*this, m_list); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COptionHostDlg, CListHostDlg)
    ON_BN_CLICKED(IDC_ACCEPT_FILES, OnOptionChanged)
    ON_BN_CLICKED(IDC_ACCEPT_FOLDERS, OnOptionChanged)
    ON_BN_CLICKED(IDC_ALLOW_DUPLICATES, OnOptionChanged)
    ON_BN_CLICKED(IDC_USE_CALLBACK, OnOptionChanged)
    ON_BN_CLICKED(IDC_ALL_FILES, OnOptionChanged)
    ON_BN_CLICKED(IDC_FILTER_EXTENSION, OnOptionChanged)
    ON_EN_KILLFOCUS(IDC_EXTENSION_EDIT, OnOptionChanged)
END_MESSAGE_MAP()

void Click(CWnd& dialog, int id) { SendMessageW(dialog.GetDlgItem(id), BM_CLICK, 0, 0); }

// The buttons are never visible, so an auto radio button would not clear its
// hidden neighbour: set the group as a click on a shown one would, then notify.
void ChooseRadio(CWnd& dialog, int id) {
    CheckRadioButton(dialog, IDC_ALL_FILES, IDC_FILTER_EXTENSION, id);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

bool IsChecked(CWnd& dialog, int id) {
    return SendMessageW(dialog.GetDlgItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(CWnd& dialog, int id) { return IsWindowEnabled(dialog.GetDlgItem(id)) != FALSE; }

// Types into the extension box, then lets it lose the focus.
void TypeExtension(CWnd& dialog, const wchar_t* extension) {
    HWND edit = dialog.GetDlgItem(IDC_EXTENSION_EDIT);
    SetWindowTextW(edit, extension);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXTENSION_EDIT, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(edit));
}

}  // namespace

TEST(OptionControls, StartWithTheirOwnValuesWhileTheListHasTheStartupOptions) {
    COptionHostDlg host;

    EXPECT_TRUE(IsChecked(host, IDC_ACCEPT_FILES));
    EXPECT_TRUE(IsChecked(host, IDC_ACCEPT_FOLDERS));
    EXPECT_TRUE(IsChecked(host, IDC_ALL_FILES));
    EXPECT_FALSE(IsChecked(host, IDC_FILTER_EXTENSION));
    EXPECT_FALSE(IsChecked(host, IDC_ALLOW_DUPLICATES));
    EXPECT_FALSE(IsChecked(host, IDC_USE_CALLBACK));
    EXPECT_EQ(host.GetWindowText(), "Velmo Image Recovery");
    char extension[16] = "";
    GetDlgItemTextA(host, IDC_EXTENSION_EDIT, extension, 16);
    EXPECT_STREQ(extension, ".txt");
    EXPECT_EQ(host.m_list.GetOptions().flags, DROP_ACCEPT_FILES);
}

TEST(OptionControls, FirstChangeTakesEveryControlIntoTheOptions) {
    TempFolder folder("velmo-doclist");
    COptionHostDlg host;
    std::string sub = MakeFolder(folder, "Folder");

    Click(host, IDC_ALLOW_DUPLICATES);

    DropListOptions options = host.m_list.GetOptions();
    EXPECT_EQ(options.flags, DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS | DROP_ALLOW_DUPLICATES);
    EXPECT_EQ(options.extension, "");  // "All files": the box's text is not taken
    DropFiles(host.m_list, {sub, sub});
    EXPECT_EQ(host.Paths(), (Cells{sub, sub}));
}

TEST(OptionControls, FilterTakesTheTypedExtension) {
    TempFolder folder("velmo-doclist");
    COptionHostDlg host;
    std::string wanted = MakeFile(folder, "Report.DOC");
    std::string text = MakeFile(folder, "notes.txt");

    ChooseRadio(host, IDC_FILTER_EXTENSION);
    TypeExtension(host, L".doc");

    DropListOptions options = host.m_list.GetOptions();
    EXPECT_TRUE(options.flags & DROP_FILTER_EXTENSION);
    EXPECT_EQ(options.extension, ".doc");
    DropFiles(host.m_list, {wanted, text});
    EXPECT_EQ(host.Paths(), (Cells{wanted}));
}

TEST(OptionControls, AllFilesAgainDropsTheFilterButKeepsTheExtension) {
    COptionHostDlg host;
    ChooseRadio(host, IDC_FILTER_EXTENSION);
    TypeExtension(host, L".doc");

    ChooseRadio(host, IDC_ALL_FILES);
    TypeExtension(host, L".rtf");

    DropListOptions options = host.m_list.GetOptions();
    EXPECT_FALSE(options.flags & DROP_FILTER_EXTENSION);
    EXPECT_EQ(options.extension, ".doc");
}

TEST(OptionControls, NoFilesDisablesTheFilterControls) {
    TempFolder folder("velmo-doclist");
    COptionHostDlg host;

    Click(host, IDC_ACCEPT_FILES);

    EXPECT_FALSE(IsEnabled(host, IDC_ALL_FILES));
    EXPECT_FALSE(IsEnabled(host, IDC_FILTER_EXTENSION));
    EXPECT_FALSE(IsEnabled(host, IDC_EXTENSION_EDIT));
    EXPECT_FALSE(host.m_list.GetOptions().flags & DROP_ACCEPT_FILES);
    DropFiles(host.m_list, {MakeFile(folder, "a.doc")});
    EXPECT_EQ(host.m_list.GetItemCount(), 0);

    Click(host, IDC_ACCEPT_FILES);

    EXPECT_TRUE(IsEnabled(host, IDC_ALL_FILES));
    EXPECT_TRUE(IsEnabled(host, IDC_FILTER_EXTENSION));
    EXPECT_TRUE(IsEnabled(host, IDC_EXTENSION_EDIT));
}

TEST(OptionControls, CallbackInsertsAndDisablesDuplicates) {
    TempFolder folder("velmo-doclist");
    COptionHostDlg host;
    std::string sub = MakeFolder(folder, "Pictures");

    Click(host, IDC_USE_CALLBACK);

    EXPECT_FALSE(IsEnabled(host, IDC_ALLOW_DUPLICATES));
    DropListOptions options = host.m_list.GetOptions();
    EXPECT_TRUE(options.flags & DROP_USE_CALLBACK);
    EXPECT_EQ(options.insertCallback, &InsertFromCallback);
    DropFiles(host.m_list, {sub});
    EXPECT_EQ(host.Row(0), (Cells{sub, "Inserted from callback function", "", ""}));
    EXPECT_EQ(ListItemImage(host.m_list.m_hWnd, 0), 1);

    Click(host, IDC_USE_CALLBACK);

    EXPECT_TRUE(IsEnabled(host, IDC_ALLOW_DUPLICATES));
    EXPECT_FALSE(host.m_list.GetOptions().flags & DROP_USE_CALLBACK);
    EXPECT_EQ(host.m_list.GetOptions().insertCallback, nullptr);
}
