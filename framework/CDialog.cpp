// CDialog and data exchange; see CDialog.h.
#include "framework/CDialog.h"

#include <vector>

#include "framework/CWinApp.h"
#include "framework/Module.h"
#include "framework/Text.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

// Binds the dialog to its object at WM_INITDIALOG (the creation parameter is the
// object). From then on every message passes through the object ahead of the
// dialog manager, which calls this procedure only for what the object left: "not
// handled".
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || dialog->m_hWnd) return FALSE;
    dialog->BindWindow(hWnd);
    return dialog->Dispatch(hWnd, message, wParam, lParam);
}

BOOL CDialog::CreateFromTemplate(HWND owner) {
    if (m_hWnd) return FALSE;
    AfxInitCommonControls();
    HWND hWnd = CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_templateId), owner,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

HWND CDialog::OwnerForModal() const {
    if (m_parent) return m_parent->m_hWnd;
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd && mainWnd != this && mainWnd->m_hWnd && IsWindow(mainWnd->m_hWnd)) {
        return mainWnd->m_hWnd;
    }
    return nullptr;
}

INT_PTR CDialog::DoModal() {
    HWND owner = OwnerForModal();
    // Disabled before creation, as the platform's modal dialogs do, so the owner
    // takes no input while the dialog initialises either.
    const bool reenableOwner = owner && ::IsWindowEnabled(owner);
    if (reenableOwner) ::EnableWindow(owner, FALSE);

    m_modal = true;
    m_result = -1;
    if (!CreateFromTemplate(owner)) {
        m_modal = false;
        if (reenableOwner) ::EnableWindow(owner, TRUE);
        return -1;
    }
    if (m_hWnd && !IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
    int result = RunModalLoop();

    if (m_hWnd) {
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (reenableOwner) ::EnableWindow(owner, TRUE);
    if (owner && ::IsWindow(owner)) ::SetActiveWindow(owner);
    DestroyWindow();
    m_modal = false;
    return result;
}

BOOL CDialog::Create() {
    m_modal = false;
    return CreateFromTemplate(m_parent ? m_parent->m_hWnd : nullptr);
}

void CDialog::EndDialog(int result) {
    m_result = result;
    if (m_modal) {
        EndModalLoop(result);
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    const DWORD placement = DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN;
    if (!(GetStyle() & (WS_CHILD | placement))) CenterWindow();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() { return UpdateData(FALSE); }

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

// Only keystrokes need the dialog manager (Tab, Enter, Esc, mnemonics).
BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg)) return TRUE;
    if (!m_hWnd || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    return IsDialogMessageW(m_hWnd, msg);
}

// ---- Data exchange -------------------------------------------------------------------

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.m_hWnd) control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND item = dx->m_pDlgWnd->GetDlgItem(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageW(item, BM_GETCHECK, 0, 0));
    } else {
        SendMessageW(item, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND first = dx->m_pDlgWnd->GetDlgItem(id);
    if (dx->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND item = first; item; item = GetWindow(item, GW_HWNDNEXT)) {
        if (item != first && (GetWindowLongW(item, GWL_STYLE) & WS_GROUP)) break;
        if (!(SendMessageW(item, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (dx->m_bSaveAndValidate) {
            if (SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            SendMessageW(item, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND item = dx->m_pDlgWnd->GetDlgItem(id);
    if (!dx->m_bSaveAndValidate) {
        SetWindowTextW(item, Widen(value).c_str());
        return;
    }
    int length = GetWindowTextLengthW(item);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    GetWindowTextW(item, buffer.data(), static_cast<int>(buffer.size()));
    value = Utf8FromWide(buffer.data());
}
