// DocListTestSupport.h - the main window's template hosting a real document
// list, and real files, folders and shortcuts to put in it
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "doclist/CDropFileListCtrl.h"
#include "doclist/ListCommands.h"
#include "doclist/ListOptionControls.h"
#include "framework/CDialog.h"
#include "tests/support/GuiTestHelpers.h"

// The main window's template with the list bound to IDC_DOCUMENT_LIST and the
// option controls IDC_EXTENSION_EDIT to IDC_FILTER_EXTENSION, set up the way the
// main window sets them up at start.
class CListHostDlg : public CDialog {
public:
    CListHostDlg();
    ~CListHostDlg() override;

    CDropFileListCtrl m_list;
    ListOptionControls m_optionControls;
    int m_languageIndex = 1;
    ListCommands m_commands;

    // The cells of a row, columns 0 to 3.
    std::vector<std::string> Row(int row) const;
    // Every path in the list, top row first.
    std::vector<std::string> Paths() const;
    void Select(int row);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};

// Paths are UTF-8, as the list holds them.

// Creates (or replaces) a file of `size` bytes in the folder; returns its path.
std::string MakeFile(const TempFolder& folder, const std::string& name, std::uint64_t size = 10);
std::string MakeFolder(const TempFolder& folder, const std::string& name);
// Drops the paths, in this order, on the list with a real WM_DROPFILES.
void DropFiles(CDropFileListCtrl& list, const std::vector<std::string>& paths,
               DropEncoding encoding = DropEncoding::Wide);

// A shell shortcut at `linkPath` pointing at `targetPath`.
void MakeShortcut(const std::string& linkPath, const std::string& targetPath);
// Sets the last-write time of a file, given in UTC.
void SetLastWriteUtc(const std::string& path, const SYSTEMTIME& utc);
bool FileExists(const std::string& path);

// Answers the next open-file dialog of the calling thread from a thread of its
// own: types `path` into the file name box and presses Open, or presses Cancel
// when `path` is empty.
class OpenDialogDriver {
public:
    explicit OpenDialogDriver(std::string path);
    ~OpenDialogDriver();
    OpenDialogDriver(const OpenDialogDriver&) = delete;
    OpenDialogDriver& operator=(const OpenDialogDriver&) = delete;

    // Whether a dialog was found and answered; its caption, UTF-8.
    bool Answered() const { return m_answered; }
    std::string Title() const { return m_title; }

private:
    void Run();

    std::string m_path;
    DWORD m_threadId;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_answered{false};
    std::string m_title;  // written before m_answered is set
    std::thread m_thread;
};
