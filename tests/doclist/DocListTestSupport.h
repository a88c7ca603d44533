// DocListTestSupport.h - the main window's template hosting a real document
// list, real files in a folder of the test's own, and real drops
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "doclist/CDropFileListCtrl.h"
#include "doclist/ListCommands.h"
#include "doclist/ListOptionControls.h"
#include "framework/CDialog.h"

// Dialog 102 with the list bound to item 1000 and the option controls to
// 1002..1008, set up the way the main window sets them up at start.
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

// A folder of the test's own under the temporary directory, removed with
// everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return m_path; }
    // Creates (or replaces) a file of `size` bytes and returns its path.
    std::string MakeFile(const std::string& name, std::uint64_t size = 10) const;
    std::string MakeFolder(const std::string& name) const;

private:
    std::string m_path;
};

// Delivers a real WM_DROPFILES with a drop handle listing the paths in this order.
void DropFiles(CWnd& target, const std::vector<std::string>& paths);
// A shell shortcut at `linkPath` pointing at `targetPath`.
void MakeShortcut(const std::string& linkPath, const std::string& targetPath);
// Sets the last-write time of a file, given in UTC.
void SetLastWriteUtc(const std::string& path, const SYSTEMTIME& utc);
bool FileExists(const std::string& path);
