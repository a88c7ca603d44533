// CDropFileListCtrl.cpp
#include "doclist/CDropFileListCtrl.h"

#include <ole2.h>
#include <shellapi.h>

#include "doclist/DroppedPath.h"
#include "doclist/RowDetails.h"
#include "framework/CWinApp.h"
#include "framework/Text.h"

namespace {

const char kOleFailed[] =
    "OLE initialization failed.\n\nMake sure that the OLE libraries are the correct version.";
const char kCallbackNote[] = "Inserted from callback function";

std::string DroppedPathAt(HDROP drop, UINT index) {
    // Ask for the length first: a dropped path may be longer than MAX_PATH.
    UINT length = DragQueryFileW(drop, index, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    UINT copied = DragQueryFileW(drop, index, &path[0], length + 1);
    path.resize(copied);
    return Utf8FromWide(path);
}

}  // namespace

IMPLEMENT_DYNAMIC(CDropFileListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CDropFileListCtrl, CListCtrl)
    ON_WM_DROPFILES()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
END_MESSAGE_MAP()

CDropFileListCtrl::CDropFileListCtrl() {
    // OleInitialize also succeeds (S_FALSE) on a thread that already has OLE; each
    // success is one reference that the destructor gives back, so the pairing
    // holds whoever initialised first.
    if (FAILED(OleInitialize(nullptr)))
        AfxMessageBox(kOleFailed, MB_OK);
    else
        m_oleInitialized = true;
}

CDropFileListCtrl::~CDropFileListCtrl() {
    if (m_oleInitialized) OleUninitialize();
}

bool CDropFileListCtrl::SetOptions(const DropListOptions& options) {
    if (!IsUsable(options)) return false;
    m_options = options;
    return true;
}

DropListOptions CDropFileListCtrl::GetOptions() const { return m_options; }

bool CDropFileListCtrl::AcceptDroppedPath(const std::string& path, int& kind) const {
    PathType type = QueryPathType(path);
    if (type == PathType::Folder && (m_options.flags & DROP_ACCEPT_FOLDERS)) {
        kind = DROP_KIND_FOLDER;
        return true;
    }
    if (!(m_options.flags & DROP_ACCEPT_FILES) || type != PathType::File) return false;
    kind = DROP_KIND_FILE;
    if (!(m_options.flags & DROP_FILTER_EXTENSION)) return true;
    return HasExtension(path, m_options.extension);
}

void CDropFileListCtrl::FillRowDetails(const std::string& path, int row) {
    RowDetails details = ReadRowDetails(path);
    SetItemText(row, 1, details.sizeKb);
    SetItemText(row, 2, details.date);
    SetItemText(row, 3, details.time);
}

int CDropFileListCtrl::InsertDroppedPath(const std::string& path) {
    if (!(m_options.flags & DROP_ALLOW_DUPLICATES) && FindItem(path, -1) != -1) return -1;
    return InsertItem(0, path);
}

BOOL CDropFileListCtrl::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.dwExStyle |= WS_EX_ACCEPTFILES;
    return CListCtrl::PreCreateWindow(cs);
}

void CDropFileListCtrl::OnDropFiles(HDROP drop) {
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) TakeDroppedPath(DroppedPathAt(drop, index));
    DragFinish(drop);
}

void CDropFileListCtrl::TakeDroppedPath(std::string path) {
    std::string target = ResolveShortcut(path);
    if (!target.empty()) path = target;
    int kind = 0;
    if (!AcceptDroppedPath(path, kind)) return;
    if (m_options.flags & DROP_USE_CALLBACK) {
        if (m_options.insertCallback) m_options.insertCallback(*this, path, kind);
        return;
    }
    int row = InsertDroppedPath(path);
    if (row != -1) FillRowDetails(path, row);
}

int InsertFromCallback(CDropFileListCtrl& list, std::string& path, int& kind) {
    int row = list.InsertItem(0, path, kind == DROP_KIND_FOLDER ? 1 : 0);
    if (row != -1) list.SetItemText(row, 1, kCallbackNote);
    return 0;
}

// The list has no command of its own for Enter: taking it keeps it from
// pressing whichever button was last the default (the Exit button at first).
LRESULT CDropFileListCtrl::OnGetDlgCode(WPARAM, LPARAM message) {
    const LRESULT code = Default();
    const MSG* key = reinterpret_cast<const MSG*>(message);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
        return code | DLGC_WANTMESSAGE;
    return code;
}
