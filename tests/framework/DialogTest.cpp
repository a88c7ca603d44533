// Dialogs from templates: DoModal runs the framework's loop with the owner
// disabled, OK and Cancel end it, data exchange binds and moves control values.
#include <gtest/gtest.h>

#include <functional>

#include "framework/Afx.h"
#include "tests/framework/TestResources.h"
#include "tests/support/GuiTestHelpers.h"

namespace {

class CModalDialog : public CDialog {
public:
    explicit CModalDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST_MODAL, parent) {}
    std::function<void(CModalDialog&)> m_onInit;
    bool m_okCalled = false;
    bool m_visibleAtOk = false;
    bool m_cancelCalled = false;
    std::string m_text = "vorher";

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (m_onInit) m_onInit(*this);
        return TRUE;
    }
    void OnOK() override {
        m_okCalled = true;
        m_visibleAtOk = IsWindowVisible() != FALSE;
        CDialog::OnOK();
    }
    void OnCancel() override {
        m_cancelCalled = true;
        CDialog::OnCancel();
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_EDIT, m_text); }
};

class CPlainWindow : public CWnd {};

TEST(DialogTest, OkButtonEndsTheModalRunWithIdokAndReadsTheControls) {
    CPlainWindow owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr));
    CModalDialog dialog(&owner);
    bool ownerEnabledDuringRun = true;
    HWND dialogWindow = nullptr;
    dialog.m_onInit = [&](CModalDialog& self) {
        ownerEnabledDuringRun = ::IsWindowEnabled(owner.m_hWnd) != FALSE;
        dialogWindow = self;
        SetDlgItemTextW(self, IDC_EDIT, L"nachher");
        PostMessageW(self.GetDlgItem(IDOK), BM_CLICK, 0, 0);  // clicked once the loop runs
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.m_okCalled);
    EXPECT_EQ(dialog.m_text, "nachher");
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(dialog.m_visibleAtOk);  // the template is hidden: the run shows it
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(dialogWindow));
}

TEST(DialogTest, EscapeKeyCancelsThroughTheDialogManager) {
    CModalDialog dialog;
    dialog.m_onInit = [](CModalDialog& self) {
        HWND edit = self.GetDlgItem(IDC_EDIT);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.m_cancelCalled);
    EXPECT_FALSE(dialog.m_okCalled);
}

TEST(DialogTest, EnterKeyPressesTheDefaultButton) {
    CModalDialog dialog;
    dialog.m_onInit = [](CModalDialog& self) {
        PostMessageW(self.GetDlgItem(IDC_EDIT), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.m_okCalled);
}

// The table may send IDOK somewhere else than OnOK.
class CExitDialog : public CModalDialog {
public:
    bool m_exitCalled = false;

private:
    void OnExit() {
        m_exitCalled = true;
        EndDialog(77);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExitDialog, CModalDialog)
    ON_COMMAND(IDOK, OnExit)
END_MESSAGE_MAP()

TEST(DialogTest, TableEntryForIdokReplacesOnOk) {
    CExitDialog dialog;
    dialog.m_onInit = [](CModalDialog& self) { self.PostMessage(WM_COMMAND, IDOK); };
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_TRUE(dialog.m_exitCalled);
    EXPECT_FALSE(dialog.m_okCalled);
}

TEST(DialogTest, EndingInOnInitDialogReturnsWithoutWaiting) {
    CModalDialog dialog;
    dialog.m_onInit = [](CModalDialog& self) { self.EndDialog(5); };
    EXPECT_EQ(dialog.DoModal(), 5);
}

TEST(DialogTest, DialogWithoutOwnerIsCentredOnTheScreen) {
    CModalDialog dialog;
    CRect window;
    dialog.m_onInit = [&](CModalDialog& self) {
        self.GetWindowRect(&window);
        self.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    CRect workArea;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (workArea.left + workArea.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (workArea.top + workArea.bottom) / 2, 1);
}

// ---- Data exchange ----------------------------------------------------------------

class CExchangeDialog : public CDialog {
public:
    CExchangeDialog() : CDialog(IDD_TEST_CONTROLS) {}
    CButton m_check;
    int m_checked = BST_CHECKED;
    int m_radio = 1;
    std::string m_text = "Größe";

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_CHECK, m_check);
        DDX_Check(dx, IDC_CHECK, m_checked);
        DDX_Radio(dx, IDC_RADIO_A, m_radio);
        DDX_Text(dx, IDC_EDIT, m_text);
    }
};

TEST(DataExchangeTest, FillsTheControlsAtInitAndReadsThemBack) {
    CExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND check = dialog.GetDlgItem(IDC_CHECK);
    EXPECT_EQ(dialog.m_check.m_hWnd, check);
    EXPECT_EQ(CWnd::FromHandlePermanent(check), &dialog.m_check);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHECK), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RADIO_A), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RADIO_B), BST_CHECKED);
    wchar_t text[32] = {};
    GetDlgItemTextW(dialog, IDC_EDIT, text, 32);
    EXPECT_STREQ(text, L"Größe");

    // The user changes everything; the radio outside the group does not count.
    CheckDlgButton(dialog, IDC_CHECK, BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_C);
    CheckDlgButton(dialog, IDC_AFTER_GROUP, BST_CHECKED);
    SetDlgItemTextW(dialog, IDC_EDIT, L"Mărime");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_checked, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_radio, 2);
    EXPECT_EQ(dialog.m_text, "Mărime");

    CheckRadioButton(dialog, IDC_RADIO_A, IDC_RADIO_C, 0);
    SendDlgItemMessageW(dialog, IDC_RADIO_C, BM_SETCHECK, BST_UNCHECKED, 0);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.m_radio, -1);
}

}  // namespace
