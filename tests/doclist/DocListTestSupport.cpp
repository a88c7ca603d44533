// DocListTestSupport.cpp
#include "DocListTestSupport.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "framework/Text.h"
#include "res/resource.h"
#include "tests/support/ControlProbes.h"

namespace {

// The visible dialog of a thread that has the open dialog's file name box.
BOOL CALLBACK FindOpenDialog(HWND window, LPARAM found) {
    const int kFileNameBox = 0x47C;
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window) ||
        !GetDlgItem(window, kFileNameBox))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

CListHostDlg::CListHostDlg()
    : CDialog(IDD_RECOVERY_DIALOG), m_commands(*this, m_list, m_languageIndex) {
    EXPECT_TRUE(Create());
}

CListHostDlg::~CListHostDlg() { DestroyWindow(); }

void CListHostDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_DOCUMENT_LIST, m_list);
    m_optionControls.Exchange(dx);
}

BOOL CListHostDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.InsertColumn(0, "Pathname", LVCFMT_LEFT, 300);
    m_list.InsertColumn(1, "Size KB", LVCFMT_LEFT, 60);
    m_list.InsertColumn(2, "Date", LVCFMT_LEFT, 80);
    m_list.InsertColumn(3, "Time", LVCFMT_LEFT, 80);
    DropListOptions startup;
    startup.flags = DROP_ACCEPT_FILES;
    m_list.SetOptions(startup);
    return TRUE;
}

std::vector<std::string> CListHostDlg::Row(int row) const {
    std::vector<std::string> cells;
    for (int column = 0; column < 4; ++column) cells.push_back(m_list.GetItemText(row, column));
    return cells;
}

std::vector<std::string> CListHostDlg::Paths() const {
    std::vector<std::string> paths;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        paths.push_back(m_list.GetItemText(row, 0));
    return paths;
}

void CListHostDlg::Select(int row) {
    SetListItemState(m_list.m_hWnd, row, LVIS_SELECTED | LVIS_FOCUSED,
                     LVIS_SELECTED | LVIS_FOCUSED);
}

std::string MakeFile(const TempFolder& folder, const std::string& name, std::uint64_t size) {
    std::string path = folder.Utf8() + "\\" + name;
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    // Seeking and setting the end makes large files sparse, so they cost no disk.
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    EXPECT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
    return path;
}

std::string MakeFolder(const TempFolder& folder, const std::string& name) {
    std::string path = folder.Utf8() + "\\" + name;
    EXPECT_TRUE(CreateDirectoryW(Widen(path).c_str(), nullptr)) << path;
    return path;
}

void DropFiles(CDropFileListCtrl& list, const std::vector<std::string>& paths,
               DropEncoding encoding) {
    SendDropFiles(list.GetSafeHwnd(), paths, POINT{10, 10}, encoding);
}

void MakeShortcut(const std::string& linkPath, const std::string& targetPath) {
    IShellLinkW* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkW, reinterpret_cast<void**>(&link))));
    link->SetPath(Widen(targetPath).c_str());
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE))) << linkPath;
    file->Release();
    link->Release();
}

void SetLastWriteUtc(const std::string& path, const SYSTEMTIME& utc) {
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &time));
    HANDLE file = CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

OpenDialogDriver::OpenDialogDriver(std::string path)
    : m_path(std::move(path)), m_threadId(GetCurrentThreadId()), m_thread([this] { Run(); }) {}

OpenDialogDriver::~OpenDialogDriver() {
    m_stop = true;
    m_thread.join();
}

void OpenDialogDriver::Run() {
    while (!m_stop) {
        HWND dialog = nullptr;
        EnumThreadWindows(m_threadId, FindOpenDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) {
            Sleep(20);
            continue;
        }
        wchar_t title[256] = L"";
        GetWindowTextW(dialog, title, 256);
        m_title = Utf8FromWide(title);
        if (m_path.empty()) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            std::wstring path = Widen(m_path);
            SendMessageW(GetDlgItem(dialog, 0x47C), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(path.c_str()));
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        }
        m_answered = true;
        return;
    }
}
