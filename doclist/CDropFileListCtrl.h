// CDropFileListCtrl.h - the document list: a report-view list that takes files,
// folders and shell shortcuts dropped on it from the shell
#pragma once

#include <string>

#include "doclist/DropListOptions.h"
#include "framework/CListCtrl.h"

class CDropFileListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CDropFileListCtrl)
public:
    // Initialises OLE for the shortcut resolution unless the thread already has
    // it; a failure is reported and leaves the list usable without shortcuts.
    CDropFileListCtrl();
    ~CDropFileListCtrl() override;

    // False (and nothing changed) when the callback flag comes without a callback.
    bool SetOptions(const DropListOptions& options);
    DropListOptions GetOptions() const;

    // The accept test for one dropped path; on acceptance `kind` is
    // DROP_KIND_FILE or DROP_KIND_FOLDER.
    bool AcceptDroppedPath(const std::string& path, int& kind) const;

    // Fills Size KB, Date and Time of a row (normally the top one, which the
    // last insertion made) from the file at `path`.
    void FillRowDetails(const std::string& path, int row = 0);

    // Called for each accepted path the list inserts itself. Inserts it as the
    // top row and returns the row, or -1 when it is already listed and
    // duplicates are refused (letter case does not count).
    virtual int InsertDroppedPath(const std::string& path);

protected:
    // A list created directly rather than from a template accepts files too.
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    // Called when files are dropped on the list.
    void OnDropFiles(HDROP drop);
    // Called when the dialog manager asks which keys the list takes: Enter
    // too, so that it never reaches the dialog's default button.
    LRESULT OnGetDlgCode(WPARAM, LPARAM message);

    DECLARE_MESSAGE_MAP()

private:
    void TakeDroppedPath(std::string path);

    DropListOptions m_options;
    bool m_oleInitialized = false;
};

// The main window's insertion callback: a top row with the path, image 1 for a
// folder (0 for a file) and a note in Size KB; no duplicate check, no details.
int InsertFromCallback(CDropFileListCtrl& list, std::string& path, int& kind);
