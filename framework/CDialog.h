// CDialog: a dialog window made from a template in the program's resources, run
// modally by the framework's own loop (so PreTranslateMessage sees every message)
// or created modeless.
//
//   class CPasswordDlg : public CDialog {
//   public:
//       CPasswordDlg(CWnd* parent) : CDialog(IDD_PASSWORD, parent) {}
//   protected:
//       void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_GO, m_go); }
//       BOOL OnInitDialog() override { CDialog::OnInitDialog(); ...; return TRUE; }
//       CHoverButton m_go;
//       DECLARE_MESSAGE_MAP()
//   };
//   if (CPasswordDlg(this).DoModal() == IDOK) ...
#pragma once

#include <string>

#include "framework/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the dialog with its owner disabled, runs the modal loop, then hides and
    // destroys it; returns the EndDialog value (-1 when it could not be created). With
    // no parent, the application's main window (if any) owns it.
    virtual INT_PTR DoModal();
    // Modeless: creates the dialog (shown when its template says visible).
    BOOL Create();
    // Ends the modal loop with the result; for a modeless dialog only hides it.
    void EndDialog(int result);
    int GetResult() const { return m_result; }

    // Data exchange between the controls and the members (DoDataExchange).
    // false fills the controls from the members, true reads them back.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    // Called when the dialog is created, after its controls exist and it has been
    // centred. The default binds the controls and fills them (UpdateData(FALSE)).
    // Return TRUE to let the dialog manager focus the first control.
    virtual BOOL OnInitDialog();
    // Called when the OK button or Enter key is pressed (unless the table routes IDOK
    // elsewhere); the default reads the controls back and ends with IDOK.
    virtual void OnOK();
    // Called for the Cancel button or the Esc key; the default ends with IDCANCEL.
    virtual void OnCancel();
    // Binds items to member objects and moves values (DDX_ functions below).
    virtual void DoDataExchange(CDataExchange* dx);

    BOOL PreTranslateMessage(MSG* msg) override;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(HWND owner);
    HWND OwnerForModal() const;
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modal = false;
    int m_result = -1;
};

// One data exchange pass of a dialog.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds item `id` to `control` by subclassing it (once; later passes do nothing).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Check box state: BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE.
void DDX_Check(CDataExchange* dx, int id, int& value);
// `id` is the first radio button of a group; value is the index of the checked one
// (-1 for none).
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Window text as UTF-8.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
