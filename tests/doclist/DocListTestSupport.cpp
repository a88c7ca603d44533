// DocListTestSupport.cpp
#include "DocListTestSupport.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "res/resource.h"

namespace {

std::wstring WideFromAnsi(const std::string& text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

CListHostDlg::CListHostDlg()
    : CDialog(IDD_RECOVERY_DIALOG), m_commands(*this, m_list, m_languageIndex)
{
    EXPECT_TRUE(Create());
}

CListHostDlg::~CListHostDlg()
{
    DestroyWindow();
}

void CListHostDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_DOCUMENT_LIST, m_list);
    m_optionControls.Exchange(dx);
}

BOOL CListHostDlg::OnInitDialog()
{
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

std::vector<std::string> CListHostDlg::Row(int row) const
{
    std::vector<std::string> cells;
    for (int column = 0; column < 4; ++column)
        cells.push_back(m_list.GetItemText(row, column));
    return cells;
}

std::vector<std::string> CListHostDlg::Paths() const
{
    std::vector<std::string> paths;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        paths.push_back(m_list.GetItemText(row, 0));
    return paths;
}

void CListHostDlg::Select(int row)
{
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

TempFolder::TempFolder()
{
    static int s_count = 0;
    char temp[MAX_PATH + 1] = "";
    GetTempPathA(MAX_PATH, temp);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::string(temp) + "velmo-doclist-" + std::to_string(GetCurrentProcessId()) + "-" +
             (test ? test->name() : "x") + "-" + std::to_string(++s_count);
    RemoveTree(m_path);
    EXPECT_TRUE(CreateDirectoryA(m_path.c_str(), nullptr)) << m_path;
}

TempFolder::~TempFolder()
{
    RemoveTree(m_path);
}

std::string TempFolder::MakeFile(const std::string& name, std::uint64_t size) const
{
    std::string path = m_path + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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

std::string TempFolder::MakeFolder(const std::string& name) const
{
    std::string path = m_path + "\\" + name;
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    return path;
}

void DropFiles(CWnd& target, const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths)
        list += path + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    // The receiver releases the handle with DragFinish.
    target.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void MakeShortcut(const std::string& linkPath, const std::string& targetPath)
{
    IShellLinkA* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&link))));
    link->SetPath(targetPath.c_str());
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(file->Save(WideFromAnsi(linkPath).c_str(), TRUE))) << linkPath;
    file->Release();
    link->Release();
}

void SetLastWriteUtc(const std::string& path, const SYSTEMTIME& utc)
{
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &time));
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
