// Switching the interface language from the Options menu's commands.
#include <gtest/gtest.h>

#include <filesystem>

#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace fs = std::filesystem;

namespace {

const int kCommandButtons[] = {
    IDC_OPEN_BUTTON,   IDC_EXTRACT_BUTTON, IDC_OPTIONS_BUTTON, IDC_HELP_BUTTON, IDOK,
    IDC_DELETE_BUTTON, IDC_EMPTY_BUTTON};

void ExpectTooltips(ProbedRecoveryDlg& shown, const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(TooltipText(shown.HoverButton(kCommandButtons[i])), texts[i])
            << kCommandButtons[i];
}

void ExpectColumns(ProbedRecoveryDlg& shown, const std::vector<std::string>& captions) {
    HWND list = shown.Item(IDC_DOCUMENT_LIST);
    ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 4);
    const int widths[] = {shown.FirstColumnWidth() - 20, 80, 80, 80};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(ColumnCaption(list, column), captions[static_cast<size_t>(column)]);
        EXPECT_EQ(ColumnWidth(list, column), widths[column]) << "column " << column;
    }
}

void ExpectMenuButtonPictures(ProbedRecoveryDlg& shown, int firstBitmap) {
    const int buttons[] = {IDC_FILE_MENU_BUTTON, IDC_OPTIONS_MENU_BUTTON, IDC_HELP_MENU_BUTTON};
    for (int position = 0; position < 3; ++position) {
        auto shownPicture = reinterpret_cast<HBITMAP>(
            SendMessageW(shown.Item(buttons[position]), BM_GETIMAGE, IMAGE_BITMAP, 0));
        HBITMAP expected = LoadProgramBitmap(firstBitmap + position);
        EXPECT_TRUE(SamePicture(shownPicture, expected)) << "menu button " << buttons[position];
        DeleteObject(expected);
    }
}

std::string WithCheckValue(SettingsRecord record) {
    std::string bytes(record.bytes.begin(), record.bytes.end());
    uint8_t check[4];
    WriteInt32LittleEndian(record.CheckValue(), check);
    return bytes + std::string(reinterpret_cast<const char*>(check), 4);
}

// The whole window follows the switch, the file keeps every other byte, and a
// run started afterwards reports in the new language.
TEST(LanguageSwitchTest, GermanReachesTooltipsColumnsPicturesTheFileAndTheNextReport) {
    SettingsFileGuard guard;
    TempFolder folder("velmo-language");
    SettingsRecord english = RecordWith(1, "C:\\Tools\\");
    english.SetOutputPath(folder.Ansi() + "\\");
    english.SetSuffix("old");
    WriteValidSettings(english);
    const std::string picture = ReadFileBytes(std::string(VELMO_TEST_DATA_DIR) + "/small.jpg");
    folder.WriteFile("Brief.doc", "text" + picture + "text");
    MessageBoxWatcher watcher({IDOK});

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.Command(ID_LANGUAGE_GERMAN);
        EXPECT_EQ(shown.LanguageIndex(), 3);
        ExpectTooltips(shown, {"Datei Anzeige", "Datenrettung", "Einstellungen", "Hilfe", "Exit",
                               "Datei Entfernen", "Liste leeren"});
        ExpectColumns(shown, {"Weg", "Größe KB", "Datum", "Zeit"});
        ExpectMenuButtonPictures(shown, IDB_MENUBUTTON_FIRST + 6);

        shown.AddSelectedDocument(folder.Ansi() + "\\Brief.doc");
        shown.Command(IDC_EXTRACT_BUTTON);
    });
    dialog.DoModal();

    SettingsRecord german = english;
    german.SetLanguageIndex(3);
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), WithCheckValue(german));
    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text,
              " Das ( 1 )- Buildung(s) zurückgewonnen gespeichert im Folder " + folder.Ansi() +
                  "\\Briefold!");
}

// Repeated switches, the current language included, keep the rebuilt widths;
// the rows keep every cell.
TEST(LanguageSwitchTest, EverySwitchRebuildsTheColumnsWithTheSameWidthsAndKeepsTheRows) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    MessageBoxWatcher watcher;
    const std::vector<std::string> cells = {"C:\\Work\\Report.doc", "47", "5/3/2004", "7:5:9"};

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.AddSelectedDocument(cells[0]);
        for (int column = 1; column < 4; ++column)
            shown.List().SetItemText(0, column, cells[static_cast<size_t>(column)]);
        shown.List().InsertItem(1, "C:\\Work\\Empty.doc");
        shown.Command(ID_LANGUAGE_FRENCH);
        ExpectColumns(shown, {"Chemin", " KB", "Date", "Temps"});
        ExpectTooltips(shown, {"Annonce un fichier ", "Recuperation de fichier ", "Configuration",
                               "Aide", "Sortie", "Enlèvent le fichier ", "Vider la liste"});
        shown.Command(ID_LANGUAGE_ENGLISH);
        shown.Command(ID_LANGUAGE_ENGLISH);
        ExpectColumns(shown, {"Pathname", "Size KB", "Date", "Time"});
        ExpectMenuButtonPictures(shown, IDB_MENUBUTTON_FIRST);
        EXPECT_EQ(TooltipText(shown.HoverButton(IDC_SIDE_PANEL)), "Alimentare!");

        ASSERT_EQ(shown.List().GetItemCount(), 2);
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(shown.List().GetItemText(0, column), cells[static_cast<size_t>(column)]);
        EXPECT_EQ(shown.List().GetItemText(1, 0), "C:\\Work\\Empty.doc");
        EXPECT_EQ(shown.List().GetItemText(1, 1), "");
        EXPECT_EQ(shown.List().GetNextItem(-1, LVNI_SELECTED), 0);
    });
    dialog.DoModal();

    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), WithCheckValue(RecordWith(1)));
}

// The file deleted while the program runs: three messages in the new language,
// then a new file from the fallback record with the chosen language.
TEST(LanguageSwitchTest, MissingSettingsFileGivesThreeMessagesThenANewFile) {
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1, "C:\\Tools\\"));
    MessageBoxWatcher watcher({IDOK, IDOK, IDOK});

    ProbedRecoveryDlg dialog([](ProbedRecoveryDlg& shown) {
        RemoveSettingsFile();
        shown.Command(ID_LANGUAGE_ROMANIAN);
        EXPECT_EQ(shown.LanguageIndex(), 6);
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 3u);
    for (const SeenMessageBox& box : watcher.Boxes()) {
        EXPECT_EQ(box.text, "Fisier lipsa. Va rugam reinstalati!");
        EXPECT_EQ(box.caption, "Velmo Image Recovery");
    }
    std::string expected("REC\0", 4);
    expected += std::string(200, '\0');
    expected += std::string("\x01\0\0\0\0\0\0\0\x01\0\0\0", 12);
    expected += '\x06';
    expected += std::string(203, '\0');
    expected += std::string(4, '\0');
    EXPECT_EQ(ReadFileBytes(RealSettingsPath()), expected);
}

}  // namespace
