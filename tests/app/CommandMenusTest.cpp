// The main window's popup menus as the user meets them: File, Options and Help
// from the menu buttons, the list's context menu from a right click, their
// texts in the current language, their pictures and the commands they give.
#include <gtest/gtest.h>

#include "controls/CBmpMenu.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/controls/BmpMenuDriver.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

const int kMenuPictures[] = {
    IDB_ITEM_OPTIONS, IDB_ITEM_ADD,     IDB_ITEM_DELETE,   IDB_ITEM_CLEAR,  IDB_ITEM_RECOVER,
    IDB_ITEM_EXIT,    IDB_ITEM_HELP,    IDB_FLAG_FRENCH,   IDB_FLAG_GERMAN, IDB_FLAG_ENGLISH,
    IDB_FLAG_ITALIAN, IDB_FLAG_SPANISH, IDB_FLAG_ROMANIAN, IDB_TICK};

// What an open menu shows: the rows' texts, and for each row the program
// picture it carries (0: none, -1: one that is no menu picture).
struct ShownMenu {
    std::vector<std::string> texts;
    std::vector<int> pictures;
    RECT window{};
};

int PictureId(HBITMAP picture) {
    if (!picture) return 0;
    for (int id : kMenuPictures) {
        HBITMAP candidate = LoadProgramBitmap(id);
        const bool same = SamePicture(picture, candidate);
        DeleteObject(candidate);
        if (same) return id;
    }
    return -1;
}

ShownMenu Look(CBmpMenu& menu) {
    ShownMenu shown;
    for (int row = 0; row < RowCount(menu); ++row) {
        shown.texts.push_back(RowText(menu, row));
        shown.pictures.push_back(PictureId(RowPicture(menu, row)));
    }
    GetWindowRect(menu, &shown.window);
    return shown;
}

// Runs the menu button's command (it returns once the menu has closed) while
// the steps play; the chosen command has been carried out afterwards.
void OpenMenu(ProbedRecoveryDlg& shown, int button, std::vector<MenuScript::Step> steps) {
    MenuScript script(std::move(steps));
    shown.Command(button);
    PumpMessages(60);
    EXPECT_TRUE(script.Finished()) << "menu of button " << button;
}

MenuScript::Step LookThen(ShownMenu& seen, std::function<void(CBmpMenu&)> then) {
    return WhenMenusOpen(1, [&seen, then](std::vector<CBmpMenu*>& menus) {
        seen = Look(*menus[0]);
        then(*menus[0]);
    });
}

void Escape(CBmpMenu&) { PressKey(VK_ESCAPE); }

// A real right click on the list at a client point.
void RightClick(HWND list, POINT at) {
    const LPARAM point = MAKELPARAM(at.x, at.y);
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, point);
    PostMessageW(list, WM_RBUTTONUP, 0, point);
}

class CommandMenusTest : public ::testing::Test {
protected:
    void SetUp() override { WriteValidSettings(RecordWith(1)); }
    SettingsFileGuard m_guard;
};

// Whether the left `width` columns of the picture repeat the bitmap from the
// top-left corner on, as tiles do.
bool ShowsTiles(const WindowPixels& pixels, int bitmapId, int width) {
    HBITMAP tile = LoadProgramBitmap(bitmapId);
    BITMAP size{};
    GetObjectW(tile, sizeof size, &size);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, tile);
    int differences = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixels.At(x, y) != GetPixel(memory, x % size.bmWidth, y % size.bmHeight))
                ++differences;
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(tile);
    return differences == 0 && pixels.Height() > 2 * size.bmHeight;
}

// The File menu opens 15 pixels below the pointer with its tiled side strip,
// each item in English with its picture.
TEST_F(CommandMenusTest, FileMenuReadsEnglishBelowThePointerWithItsTiledStrip) {
    ShownMenu file;
    bool tiledStrip = false;
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        SetCursorPos(300, 200);
        OpenMenu(shown, IDC_FILE_MENU_BUTTON,
                 {LookThen(file,
                           [&](CBmpMenu& menu) {
                               tiledStrip =
                                   ShowsTiles(WindowPixels::Capture(menu), IDB_MENU_SIDE, 20);
                               PressKey(VK_ESCAPE);
                           }),
                  WhenAllClosed()});
    });
    dialog.DoModal();

    EXPECT_EQ(file.texts, (std::vector<std::string>{"Ad File", "Delete File", "Clear List",
                                                    "Recover", "Exit"}));
    EXPECT_EQ(file.pictures, (std::vector<int>{IDB_ITEM_ADD, IDB_ITEM_DELETE, IDB_ITEM_CLEAR,
                                               IDB_ITEM_RECOVER, IDB_ITEM_EXIT}));
    EXPECT_EQ(file.window.left, 300);
    EXPECT_EQ(file.window.top, 215);
    EXPECT_TRUE(tiledStrip);
}

// The user's way to another language: the Options menu. Afterwards the menus
// speak Romanian and the tick marks the new language.
TEST_F(CommandMenusTest, RomanaChosenFromTheOptionsMenuSwitchesTheWindowAndTheMenus) {
    ShownMenu englishOptions;
    ShownMenu options;
    ShownMenu help;
    bool openAfterArrow = false;
    int hotAfterArrow = -2;
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        OpenMenu(
            shown, IDC_OPTIONS_MENU_BUTTON,
            {LookThen(englishOptions, [](CBmpMenu& menu) { ClickRow(menu, 6); }), WhenAllClosed()});
        ASSERT_EQ(shown.LanguageIndex(), 6);

        // Moving with the arrows offers the key to the window, which leaves the menu open.
        OpenMenu(shown, IDC_OPTIONS_MENU_BUTTON,
                 {LookThen(options, [](CBmpMenu&) { PressKey(VK_DOWN); }),
                  WhenMenusOpen(1,
                                [&](std::vector<CBmpMenu*>& menus) {
                                    openAfterArrow = true;
                                    hotAfterArrow = HotRow(*menus[0]);
                                    PressKey(VK_ESCAPE);
                                }),
                  WhenAllClosed()});
        OpenMenu(shown, IDC_HELP_MENU_BUTTON, {LookThen(help, Escape), WhenAllClosed()});
    });
    dialog.DoModal();

    EXPECT_EQ(englishOptions.texts,
              (std::vector<std::string>{"Options", "English", "Francais", "Deutch", "Italiano",
                                        "Espagniol", "Romana"}));
    EXPECT_EQ(englishOptions.pictures[1], IDB_TICK);
    EXPECT_EQ(options.texts, (std::vector<std::string>{"Optiuni", "English", "Francais", "Deutch",
                                                       "Italiano", "Espagniol", "Romana"}));
    EXPECT_EQ(options.pictures,
              (std::vector<int>{IDB_ITEM_OPTIONS, IDB_FLAG_ENGLISH, IDB_FLAG_FRENCH,
                                IDB_FLAG_GERMAN, IDB_FLAG_ITALIAN, IDB_FLAG_SPANISH, IDB_TICK}));
    EXPECT_TRUE(openAfterArrow);
    EXPECT_EQ(hotAfterArrow, 0);
    EXPECT_EQ(help.texts, (std::vector<std::string>{"Ajutor", "Despre noi"}));
    EXPECT_EQ(help.pictures, (std::vector<int>{IDB_ITEM_HELP, 0}));  // About has no picture
}

// No selected row, no menu; otherwise the menu in the current language, whose
// Remove item removes the row. Texts beyond ASCII come through whole.
TEST_F(CommandMenusTest, ListContextMenuNeedsASelectionAndSpeaksTheCurrentLanguage) {
    bool openedWithoutSelection = false;
    ShownMenu context;
    ShownMenu spanishFile;
    int rowsAfterRemove = -1;
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        HWND list = shown.Item(IDC_DOCUMENT_LIST);
        shown.List().InsertItem(0, "C:\\Work\\Report.doc");
        RECT row{};
        ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
        {
            MenuScript watch({[&] {
                if (!OpenMenus().empty()) {
                    openedWithoutSelection = true;
                    OpenMenus()[0]->CloseMenuChain();
                }
                return false;
            }});
            RightClick(list, POINT{row.left + 10, row.bottom + 40});  // below the rows
            PumpMessages(150);
        }

        shown.Command(ID_LANGUAGE_SPANISH);
        MenuScript script(
            {LookThen(context, [](CBmpMenu& menu) { ClickRow(menu, 2); }), WhenAllClosed()});
        RightClick(list, POINT{row.left + 10, (row.top + row.bottom) / 2});
        PumpUntil([&] { return script.Finished(); });
        PumpMessages(60);
        rowsAfterRemove = shown.List().GetItemCount();
        OpenMenu(shown, IDC_FILE_MENU_BUTTON, {LookThen(spanishFile, Escape), WhenAllClosed()});
    });
    dialog.DoModal();

    EXPECT_FALSE(openedWithoutSelection);
    EXPECT_EQ(context.texts, (std::vector<std::string>{"Recuperation", "Quitar el archivo de disco",
                                                       "Vaciar la lista"}));
    EXPECT_EQ(context.pictures,
              (std::vector<int>{IDB_ITEM_RECOVER, IDB_ITEM_DELETE, IDB_ITEM_CLEAR}));
    EXPECT_EQ(rowsAfterRemove, 0);
    ASSERT_EQ(spanishFile.texts.size(), 5u);
    EXPECT_EQ(spanishFile.texts[3], "Recuperación");  // beyond ASCII, read back as shown
}

}  // namespace
