// CommandMenus.cpp - the main window's popup menus: File, Options and Help from
// the menu buttons, and the document list's context menu on a right click
#include <cstdlib>

#include "app/CRecoveryDlg.h"
#include "controls/PopupMenuAtPointer.h"
#include "lang/Texts.h"
#include "res/resource.h"

namespace {

const char* MenuText(int row, int languageIndex) {
    return Text(kMenuTexts[static_cast<size_t>(row)], languageIndex);
}

// The File menu alone gets the side picture; none of the menus has submenus.
PopupStrip PlainStrip(const MenuAppearance& look, BOOL inSubmenus) {
    PopupStrip strip;
    strip.inSubmenus = inSubmenus;
    strip.stretch = !look.tileSide;
    return strip;
}

}  // namespace

void CRecoveryDlg::ShowFileMenu() {
    const MenuAppearance& look = m_menuAppearance;
    PopupStrip strip = PlainStrip(look, look.submenuSide);
    strip.width = std::atoi(look.sideWidth.c_str());
    strip.bitmapId = look.showSide ? IDB_MENU_SIDE : 0;
    const int language = m_languageIndex;
    ShowPopupMenuAtPointer(
        *this, IDR_MENU_FILE, strip,
        {
            {ID_FILE_ADD, IDB_ITEM_ADD, MenuText(MENU_ADD_FILE, language)},
            {ID_FILE_DELETE, IDB_ITEM_DELETE, MenuText(MENU_DELETE_FILE, language)},
            {ID_FILE_CLEAR, IDB_ITEM_CLEAR, MenuText(MENU_CLEAR_LIST, language)},
            {ID_FILE_RECOVER, IDB_ITEM_RECOVER, MenuText(MENU_RECOVER, language)},
            {ID_FILE_EXIT, IDB_ITEM_EXIT, MenuText(MENU_EXIT, language)},
        });
}

// The language items keep their own names; the current one shows the tick in
// place of its flag.
void CRecoveryDlg::ShowOptionsMenu() {
    std::vector<PopupItemLook> items = {
        {ID_OPTIONS_SETTINGS, IDB_ITEM_OPTIONS, MenuText(MENU_OPTIONS, m_languageIndex)},
        {ID_LANGUAGE_ENGLISH, IDB_FLAG_ENGLISH, nullptr},
        {ID_LANGUAGE_FRENCH, IDB_FLAG_FRENCH, nullptr},
        {ID_LANGUAGE_GERMAN, IDB_FLAG_GERMAN, nullptr},
        {ID_LANGUAGE_ITALIAN, IDB_FLAG_ITALIAN, nullptr},
        {ID_LANGUAGE_SPANISH, IDB_FLAG_SPANISH, nullptr},
        {ID_LANGUAGE_ROMANIAN, IDB_FLAG_ROMANIAN, nullptr},
    };
    if (m_languageIndex >= kFirstLanguage && m_languageIndex <= kLastLanguage)
        items[static_cast<size_t>(m_languageIndex)].bitmapId = IDB_TICK;
    ShowPopupMenuAtPointer(*this, IDR_MENU_OPTIONS, PlainStrip(m_menuAppearance, FALSE), items);
}

void CRecoveryDlg::ShowHelpMenu() {
    const MenuAppearance& look = m_menuAppearance;
    ShowPopupMenuAtPointer(
        *this, IDR_MENU_HELP, PlainStrip(look, look.submenuSide),
        {
            {ID_HELP_LAUNCH, IDB_ITEM_HELP, MenuText(MENU_HELP, m_languageIndex)},
            {ID_HELP_ABOUT, 0, MenuText(MENU_ABOUT, m_languageIndex)},
        });
}

void CRecoveryDlg::OnListRightClick(NMHDR*, LRESULT* result) {
    m_listCommands.OnContextMenu();
    *result = 0;
}
