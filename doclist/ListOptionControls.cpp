// ListOptionControls.cpp
#include "doclist/ListOptionControls.h"

#include "framework/CDialog.h"
#include "res/resource.h"

namespace {

unsigned WithFlag(unsigned flags, unsigned flag, bool set) {
    return set ? flags | flag : flags & ~flag;
}

void EnableItem(CWnd& dialog, int id, bool enable) {
    EnableWindow(dialog.GetDlgItem(id), enable ? TRUE : FALSE);
}

}  // namespace

DropListOptions OptionsFromControls(DropListOptions current, const OptionControlValues& values) {
    unsigned flags = current.flags;
    flags = WithFlag(flags, DROP_ACCEPT_FOLDERS, values.acceptFolders);
    flags = WithFlag(flags, DROP_ACCEPT_FILES, values.acceptFiles);
    flags = WithFlag(flags, DROP_USE_CALLBACK, values.useCallback);
    current.insertCallback = values.useCallback ? InsertFromCallback : nullptr;
    flags = WithFlag(flags, DROP_ALLOW_DUPLICATES, values.allowDuplicates);
    bool filter = values.filterMode == 1;
    flags = WithFlag(flags, DROP_FILTER_EXTENSION, filter);
    if (filter) current.extension = values.extension;
    current.flags = flags;
    return current;
}

void ListOptionControls::Exchange(CDataExchange* dx) {
    int acceptFiles = m_values.acceptFiles ? BST_CHECKED : BST_UNCHECKED;
    int acceptFolders = m_values.acceptFolders ? BST_CHECKED : BST_UNCHECKED;
    int allowDuplicates = m_values.allowDuplicates ? BST_CHECKED : BST_UNCHECKED;
    int useCallback = m_values.useCallback ? BST_CHECKED : BST_UNCHECKED;
    DDX_Check(dx, IDC_ACCEPT_FILES, acceptFiles);
    DDX_Check(dx, IDC_ACCEPT_FOLDERS, acceptFolders);
    DDX_Radio(dx, IDC_ALL_FILES, m_values.filterMode);
    DDX_Text(dx, IDC_EXTENSION_EDIT, m_values.extension);
    DDX_Check(dx, IDC_ALLOW_DUPLICATES, allowDuplicates);
    DDX_Check(dx, IDC_USE_CALLBACK, useCallback);
    m_values.acceptFiles = acceptFiles == BST_CHECKED;
    m_values.acceptFolders = acceptFolders == BST_CHECKED;
    m_values.allowDuplicates = allowDuplicates == BST_CHECKED;
    m_values.useCallback = useCallback == BST_CHECKED;
}

void ListOptionControls::OnChanged(CWnd& dialog, CDropFileListCtrl& list) {
    CDataExchange dx(&dialog, TRUE);
    Exchange(&dx);
    EnableDependentControls(dialog);
    list.SetOptions(OptionsFromControls(list.GetOptions(), m_values));
}

void ListOptionControls::EnableDependentControls(CWnd& dialog) const {
    EnableItem(dialog, IDC_ALL_FILES, m_values.acceptFiles);
    EnableItem(dialog, IDC_FILTER_EXTENSION, m_values.acceptFiles);
    EnableItem(dialog, IDC_EXTENSION_EDIT, m_values.acceptFiles);
    EnableItem(dialog, IDC_ALLOW_DUPLICATES, !m_values.useCallback);
}
