// ListCommands.h - the main window's commands that work on the document list:
// add a document, remove a row, delete a document from the disk, empty the list
#pragma once

#include <optional>
#include <string>

#include "lang/TextSet.h"

class CDropFileListCtrl;
class CWnd;

class ListCommands {
public:
    // `owner` owns the dialogs and message boxes; `languageIndex` is the main
    // window's current language, read each time a text is shown.
    ListCommands(CWnd& owner, CDropFileListCtrl& list, const int& languageIndex);

    // Add a document (IDC_OPEN_BUTTON, ID_FILE_ADD): the open-file dialog,
    // then a new top row, even when the path is listed already.
    void OnAddDocument();
    // Remove the selected row from the list (ID_LIST_REMOVE); the file stays.
    void OnRemoveSelected();
    // Delete the selected document from the disk (ID_FILE_DELETE, ID_LIST_DELETE,
    // IDC_DELETE_BUTTON) after two questions; the row goes only when the file is gone.
    void OnDeleteSelected();
    // Empty the list (IDC_EMPTY_BUTTON, ID_FILE_CLEAR, ID_LIST_EMPTY), without asking.
    void OnEmptyList();
    // The context menu of a right click (Recover, Delete, Remove from list),
    // below the mouse pointer; nothing when no row is selected.
    void OnContextMenu();

private:
    // The first selected row, or -1 after telling the user nothing is selected.
    int SelectedRowOrWarn() const;
    std::optional<std::string> ChooseDocument() const;
    bool ConfirmDeletion(const std::string& path) const;
    bool Ask(const std::string& utf8Question) const;
    void ShowMessage(const TextSet& message) const;

    CWnd& m_owner;
    CDropFileListCtrl& m_list;
    const int& m_languageIndex;
};
