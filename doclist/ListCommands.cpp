// ListCommands.cpp
#include "doclist/ListCommands.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <vector>

#include "controls/PopupMenuAtPointer.h"
#include "controls/ProductMessage.h"
#include "doclist/CDropFileListCtrl.h"
#include "framework/Module.h"
#include "framework/Text.h"
#include "lang/Texts.h"
#include "base/FileAccess.h"
#include "res/resource.h"

namespace {

// Room for the longest path the system accepts, so the dialog never has to
// refuse a choice for want of space.
constexpr DWORD kFileBufferLength = 32768;

}  // namespace

ListCommands::ListCommands(CWnd& owner, CDropFileListCtrl& list, const int& languageIndex)
    : m_owner(owner), m_list(list), m_languageIndex(languageIndex) {}

void ListCommands::OnAddDocument() {
    std::optional<std::string> path = ChooseDocument();
    if (!path) return;
    m_list.InsertItem(0, *path);
    m_list.FillRowDetails(*path, 0);
}

void ListCommands::OnRemoveSelected() {
    int row = SelectedRowOrWarn();
    if (row != -1) m_list.DeleteItem(row);
}

void ListCommands::OnDeleteSelected() {
    int row = SelectedRowOrWarn();
    if (row == -1) return;
    std::string path = m_list.GetItemText(row, 0);
    if (!ConfirmDeletion(path)) return;
    if (!RemoveFile(path)) {
        ShowMessage(kMsgWriteError);
        return;
    }
    m_list.DeleteItem(row);
}

void ListCommands::OnEmptyList() { m_list.DeleteAllItems(); }

void ListCommands::OnContextMenu() {
    if (m_list.GetSelectedCount() == 0) return;
    PopupStrip noStrip;
    noStrip.width = std::atoi("0");
    ShowPopupMenuAtPointer(m_owner, IDR_MENU_LIST, noStrip,
                           {
                               {ID_LIST_RECOVER, IDB_ITEM_RECOVER,
                                Text(kMenuTexts[MENU_CONTEXT_RECOVER], m_languageIndex)},
                               {ID_LIST_DELETE, IDB_ITEM_DELETE,
                                Text(kMenuTexts[MENU_CONTEXT_DELETE], m_languageIndex)},
                               {ID_LIST_REMOVE, IDB_ITEM_CLEAR,
                                Text(kMenuTexts[MENU_CONTEXT_REMOVE], m_languageIndex)},
                           });
}

int ListCommands::SelectedRowOrWarn() const {
    int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row == -1) ShowMessage(kMsgNoSelection);
    return row;
}

std::optional<std::string> ListCommands::ChooseDocument() const {
    // The W dialog shows the title right in every language and gives the path
    // as the file system spells it.
    std::wstring title = Widen(Text(kOpenDialogTitles, m_languageIndex));
    std::vector<wchar_t> file(kFileBufferLength, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = m_owner.GetSafeHwnd();
    dialog.hInstance = AfxGetInstanceHandle();
    dialog.lpstrFilter = L"All Files\0*.*\0";
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileBufferLength;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    // Later runs write their output beside the chosen document by default; not
    // every dialog moves the current directory when a path is typed, so do it here.
    std::wstring chosen(file.data());
    SetCurrentDirectoryW(chosen.substr(0, dialog.nFileOffset).c_str());
    return Utf8FromWide(chosen);
}

bool ListCommands::ConfirmDeletion(const std::string& path) const {
    std::string first = FormatText(Text(kDeleteConfirmFirst, m_languageIndex), {path});
    return Ask(first) && Ask(Text(kDeleteConfirmSecond, m_languageIndex));
}

bool ListCommands::Ask(const std::string& utf8Question) const {
    return m_owner.MessageBox(utf8Question.c_str(), AfxGetAppName(), MB_YESNO) == IDYES;
}

void ListCommands::ShowMessage(const TextSet& message) const {
    ShowProductMessage(m_owner, message, m_languageIndex);
}
