// TextsTest.cpp - the six-language texts as the user reads them
#include <cstring>
#include <string>
#include <vector>

#include <cerrno>

#include <gtest/gtest.h>

#include "lang/ScanMessageTexts.h"
#include "lang/Texts.h"

namespace {

struct NamedSet {
    std::string name;
    const TextSet* set;
};

std::vector<NamedSet> AllSets() {
    std::vector<NamedSet> sets = {
        {"kMsgMissingFile", &kMsgMissingFile},
        {"kMsgWriteError", &kMsgWriteError},
        {"kMsgDiskFull", &kMsgDiskFull},
        {"kMsgNoSelection", &kMsgNoSelection},
        {"kOpenDialogTitles", &kOpenDialogTitles},
        {"kDeleteConfirmFirst", &kDeleteConfirmFirst},
        {"kDeleteConfirmSecond", &kDeleteConfirmSecond},
        {"kSourceDeleteConfirmFirst", &kSourceDeleteConfirmFirst},
        {"kSourceDeleteConfirmSecond", &kSourceDeleteConfirmSecond},
        {"kRunResultStored", &kRunResultStored},
        {"kRunResultNone", &kRunResultNone},
        {"kDirectoryExists", &kDirectoryExists},
        {"kAskStopRun", &kAskStopRun},
        {"kRunStoppedStored", &kRunStoppedStored},
        {"kRunStoppedNone", &kRunStoppedNone},
        {"kMsgCannotOpenDocument", &kMsgCannotOpenDocument},
        {"kMsgCannotMakeFolder", &kMsgCannotMakeFolder},
        {"kMsgCannotWritePicture", &kMsgCannotWritePicture},
        {"kReasonNotFound", &kReasonNotFound},
        {"kReasonAccessDenied", &kReasonAccessDenied},
        {"kReasonDiskFull", &kReasonDiskFull},
        {"kReasonUnknown", &kReasonUnknown},
    };
    for (std::size_t i = 0; i < kTooltipTexts.size(); ++i)
        sets.push_back({"kTooltipTexts[" + std::to_string(i) + "]", &kTooltipTexts[i]});
    for (std::size_t i = 0; i < kMenuTexts.size(); ++i)
        sets.push_back({"kMenuTexts[" + std::to_string(i) + "]", &kMenuTexts[i]});
    for (std::size_t i = 0; i < kColumnCaptions.size(); ++i)
        sets.push_back({"kColumnCaptions[" + std::to_string(i) + "]", &kColumnCaptions[i]});
    return sets;
}

// The code points of a UTF-8 text; -1 marks a malformed sequence.
std::vector<long> CodePoints(const char* text) {
    std::vector<long> points;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        int extra = *p < 0x80 ? 0 : (*p & 0xE0) == 0xC0 ? 1 : (*p & 0xF0) == 0xE0 ? 2 : -1;
        if (extra < 0) return {-1};
        long point = extra == 0 ? *p : extra == 1 ? (*p & 0x1F) : (*p & 0x0F);
        ++p;
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) return {-1};
            point = point << 6 | (*p & 0x3F);
        }
        points.push_back(point);
    }
    return points;
}

// Every character of these texts is Latin-1 and outside the C1 controls, so
// each is one byte in code page 1252.
bool FitsCodePage1252(const char* text) {
    for (long point : CodePoints(text))
        if (point < 0x20 || (point >= 0x7F && point < 0xA0) || point > 0xFF) return false;
    return true;
}

}  // namespace

TEST(Texts, EverySetHasSixNonEmptyTextsAndNoLanguageZero) {
    for (const NamedSet& named : AllSets()) {
        SCOPED_TRACE(named.name);
        EXPECT_STREQ((*named.set)[0], "");
        for (int language = LANG_ENGLISH; language <= LANG_ROMANIAN; ++language) {
            ASSERT_NE((*named.set)[language], nullptr) << language;
            EXPECT_GT(std::strlen((*named.set)[language]), 0u) << language;
        }
    }
}

TEST(Texts, EveryTextIsUtf8ThatCodePage1252CanHold) {
    for (const NamedSet& named : AllSets())
        for (int language = LANG_ENGLISH; language <= LANG_ROMANIAN; ++language)
            EXPECT_TRUE(FitsCodePage1252((*named.set)[language])) << named.name << " " << language;
}

TEST(Texts, AccentedLettersAreUtf8Bytes) {
    EXPECT_STREQ(kColumnCaptions[1][LANG_GERMAN],
                 "Gr\xC3\xB6\xC3\x9F"
                 "e KB");
    EXPECT_STREQ(kColumnCaptions[1][LANG_SPANISH], "Tama\xC3\xB1o KB");
    EXPECT_STREQ(kMsgDiskFull[LANG_SPANISH],
                 "\xC2\xA1"
                 "El disco es lleno!");
    EXPECT_STREQ(kDeleteConfirmSecond[LANG_FRENCH], "\xC3\x8Ates vous s\xC3\xBBr  ?");
}

TEST(Texts, OpenDialogTitlesFitTheirFields) {
    for (int language = LANG_ENGLISH; language <= LANG_ROMANIAN; ++language)
        EXPECT_LT(CodePoints(kOpenDialogTitles[language]).size(),
                  std::size_t(kOpenDialogTitleWidth))
            << language;
    EXPECT_STREQ(kOpenDialogTitles[LANG_ENGLISH], "Ad file ");
    EXPECT_STREQ(kOpenDialogTitles[LANG_FRENCH], "Ajoutez le fichier ");
    EXPECT_STREQ(kOpenDialogTitles[LANG_GERMAN], "Datei vorzuwählen ");
    EXPECT_STREQ(kOpenDialogTitles[LANG_ROMANIAN], "Adauga fisier");
}

TEST(Texts, MessagesKeepTheirOddSpacingAndSpelling) {
    EXPECT_STREQ(kMsgMissingFile[LANG_ENGLISH], "Missing file. Please reinstall!");
    EXPECT_STREQ(kMsgMissingFile[LANG_SPANISH],
                 "¡No puede encontrar file.¡Por favor para reinstalar!");
    EXPECT_STREQ(kMsgMissingFile[LANG_ROMANIAN], "Fisier lipsa. Va rugam reinstalati!");
    EXPECT_STREQ(kMsgWriteError[LANG_ENGLISH],
                 "Error writing file. Quit any application that might use the file!");
    EXPECT_STREQ(
        kMsgWriteError[LANG_FRENCH],
        "Erreur pour le dossier .  Stoppez l'application qui pourrait employer le dossier!");
    EXPECT_STREQ(
        kMsgWriteError[LANG_GERMAN],
        "Störungsschreibensakte.  Beendigen Sie jede mögliche Anwendung, die die Datei benutzen konnte!");
    EXPECT_STREQ(kMsgDiskFull[LANG_ITALIAN], "Il disc è pieno!");
    EXPECT_STREQ(kMsgNoSelection[LANG_FRENCH], "Aucun fichier n'a choisi!");
    EXPECT_STREQ(kMsgNoSelection[LANG_SPANISH], "Ningún archivo seleccionó!");
    EXPECT_STREQ(kDirectoryExists[LANG_ENGLISH],
                 "Images directory already exists!! Process aborted for recovery of images.. "
                 "Set the path for recovered images directory in settings as described in help!");
    EXPECT_STREQ(kDirectoryExists[LANG_ROMANIAN],
                 "Fisierul imagine exista deja!!  Proces abandonat pentru recuperarea imaginilor! "
                 "Faceti setarea in Setari pentru modificarea dosarului destinatie!");
}

TEST(Texts, TooltipsMenusAndColumnsKeepTheirBlanks) {
    EXPECT_STREQ(kTooltipTexts[TIP_OPEN][LANG_FRENCH], "Annonce un fichier ");
    EXPECT_STREQ(kTooltipTexts[TIP_EXTRACT][LANG_ENGLISH], "Recover the selected file ");
    EXPECT_STREQ(kTooltipTexts[TIP_EXTRACT][LANG_SPANISH], "Recuperación ");
    EXPECT_STREQ(kTooltipTexts[TIP_OPTIONS][LANG_ROMANIAN],
                 "Seteaza optiunile pentru procesul de recuperare");
    EXPECT_STREQ(kTooltipTexts[TIP_EXIT][LANG_ROMANIAN], "Terminare program");
    EXPECT_STREQ(kTooltipTexts[TIP_DELETE][LANG_FRENCH], "Enlèvent le fichier ");
    EXPECT_STREQ(kTooltipTexts[TIP_EMPTY_LIST][LANG_ITALIAN], "Svuotare la lista");
    EXPECT_STREQ(kTooltipTexts[TIP_HELP][LANG_GERMAN], "Hilfe");

    EXPECT_STREQ(kMenuTexts[MENU_ADD_FILE][LANG_GERMAN], "Datei Anzeige ");
    EXPECT_STREQ(kMenuTexts[MENU_DELETE_FILE][LANG_GERMAN], "Datei Entfernen ");
    EXPECT_STREQ(kMenuTexts[MENU_CLEAR_LIST][LANG_ROMANIAN], "List vida");
    EXPECT_STREQ(kMenuTexts[MENU_RECOVER][LANG_ITALIAN], "Recover");
    EXPECT_STREQ(kMenuTexts[MENU_OPTIONS][LANG_ITALIAN], "Opzioni");
    EXPECT_STREQ(kMenuTexts[MENU_ABOUT][LANG_ROMANIAN], "Despre noi");
    EXPECT_STREQ(kMenuTexts[MENU_CONTEXT_RECOVER][LANG_SPANISH], "Recuperation");
    EXPECT_STREQ(kMenuTexts[MENU_CONTEXT_DELETE][LANG_SPANISH], "Quitar el archivo de disco");
    EXPECT_STREQ(kMenuTexts[MENU_CONTEXT_DELETE][LANG_GERMAN], " Akte Entfernen");
    EXPECT_STREQ(kMenuTexts[MENU_CONTEXT_REMOVE][LANG_ENGLISH], "Remove from list");

    EXPECT_STREQ(kColumnCaptions[0][LANG_SPANISH], "Trayectoria");
    EXPECT_STREQ(kColumnCaptions[1][LANG_FRENCH], " KB");
    EXPECT_STREQ(kColumnCaptions[2][LANG_ITALIAN], "Data");
    EXPECT_STREQ(kColumnCaptions[3][LANG_FRENCH], "Temps");
}

TEST(Texts, DeleteConfirmationsKeepTheirQuestionMarksAndBlanks) {
    EXPECT_STREQ(kDeleteConfirmFirst[LANG_ENGLISH], "Are you sure you want to delete  file %s ?");
    EXPECT_STREQ(kDeleteConfirmFirst[LANG_FRENCH],
                 "Êtes vous sûr vous voulez supprimer le dossier%s ?");
    EXPECT_STREQ(kSourceDeleteConfirmFirst[LANG_FRENCH],
                 "Êtes vous sûr vous voulez supprimer le dossier %s ?");
    EXPECT_STREQ(kDeleteConfirmFirst[LANG_SPANISH],
                 "?Está usted seguro usted desea suprimir el archivo %s ?");
    EXPECT_STREQ(kSourceDeleteConfirmFirst[LANG_ENGLISH],
                 "Are you sure you want to delete source file %s ?");
    for (int language = LANG_GERMAN; language <= LANG_ROMANIAN; ++language)
        EXPECT_STREQ(kSourceDeleteConfirmFirst[language], kDeleteConfirmFirst[language])
            << language;

    for (int language = LANG_ENGLISH; language <= LANG_ROMANIAN; ++language) {
        std::string second = kDeleteConfirmSecond[language];
        EXPECT_EQ(second.substr(second.size() - 3), "  ?") << language;
    }
    EXPECT_STREQ(kDeleteConfirmSecond[LANG_SPANISH], "?Está usted seguro  ?");
    EXPECT_STREQ(kSourceDeleteConfirmSecond[LANG_ENGLISH], "Are you sure ?");
    EXPECT_STREQ(kSourceDeleteConfirmSecond[LANG_ROMANIAN], "Sunteti sigur?");
}

TEST(Texts, RunResultsReadAsSentencesWhenFilledIn) {
    for (int language = LANG_ENGLISH; language <= LANG_ROMANIAN; ++language) {
        std::string pattern = kRunResultStored[language];
        ASSERT_NE(pattern.find("%d"), std::string::npos) << language;
        EXPECT_LT(pattern.find("%d"), pattern.find("%s")) << "the count comes first: " << language;
        EXPECT_EQ(kRunResultNone[language][0], ' ') << language;
    }
    EXPECT_EQ(FormatText(Text(kRunResultStored, LANG_ENGLISH), {3, "C:\\docs\\reportREC"}),
              "( 3 )image(s) recovered stored in directory C:\\docs\\reportREC!");
    EXPECT_EQ(FormatText(Text(kRunResultStored, LANG_GERMAN), {12, "D:\\x"}),
              " Das ( 12 )- Buildung(s) zurückgewonnen gespeichert im Folder D:\\x!");
    EXPECT_STREQ(kRunResultNone[LANG_ENGLISH], " No image recovered");
    EXPECT_STREQ(kRunResultNone[LANG_SPANISH], " ¡Ninguna imagen recuperada!");
    EXPECT_STREQ(kRunResultNone[LANG_ROMANIAN], " Nu s-a recuperat nici o imagine!");
}

TEST(Texts, LanguageNamesAndFixedTexts) {
    const char* expected[] = {"",         "English",   "Francais", "Deutch",
                              "Italiano", "Espagniol", "Romana"};
    for (int i = 0; i < 7; ++i) EXPECT_STREQ(kLanguageNames[i], expected[i]);
    EXPECT_STREQ(kSidePanelTooltip, "Alimentare!");
}

TEST(TextLookup, IndexOutsideOneToSixGivesEnglish) {
    for (int index : {0, 7, -1, 127, -128})
        EXPECT_STREQ(Text(kMsgMissingFile, index), "Missing file. Please reinstall!") << index;
    EXPECT_STREQ(Text(kMsgMissingFile, LANG_ROMANIAN), "Fisier lipsa. Va rugam reinstalati!");
    EXPECT_EQ(ValidLanguage(6), 6);
    EXPECT_EQ(ValidLanguage(1), 1);
    EXPECT_EQ(ValidLanguage(0), LANG_ENGLISH);
}

TEST(TextLookup, FormatTextFillsPlaceholdersInOrderAndNothingElse) {
    const char* path = "C:\\100%sure\\%d.doc";
    EXPECT_EQ(FormatText(Text(kDeleteConfirmFirst, LANG_ENGLISH), {path}),
              "Are you sure you want to delete  file C:\\100%sure\\%d.doc ?")
        << "an argument is inserted as it is, never expanded";
    EXPECT_EQ(FormatText("%d%% of %s", {50, std::string("disk")}), "50% of disk");
    EXPECT_EQ(FormatText("( %d ) in %s!", {7}), "( 7 ) in !") << "a missing argument stays empty";
    EXPECT_EQ(FormatText("no places", {1, "x"}), "no places");
    EXPECT_EQ(FormatText("trailing %", {}), "trailing %");
    EXPECT_EQ(FormatText("%d", {-5}), "-5");
    std::string longPath(5000, 'p');
    EXPECT_EQ(FormatText(Text(kSourceDeleteConfirmFirst, LANG_ROMANIAN), {longPath}).size(),
              std::strlen(kSourceDeleteConfirmFirst[LANG_ROMANIAN]) - 2 + longPath.size());
}

// A scan's failure names what failed and why in the user's language, in the
// system's words where the program has none; the window's test shows the
// English texts of a document, folder and volume that fail.
TEST(ScanFailureTexts, NameWhatFailedAndWhyInTheUsersLanguage) {
    using Cause = ScanFailure::Cause;
    const std::string writeError = kMsgWriteError[LANG_ENGLISH];
    struct Case {
        ScanMessage message;
        ScanFailure failure;
        int language;
        std::string text;
    };
    const Case cases[] = {
        {ScanMessage::WriteError,
         {Cause::Write, "E:\\aREC\\2.gif", ENOSPC, "No space"},
         LANG_ROMANIAN,
         std::string(kMsgWriteError[LANG_ROMANIAN]) +
             "\n\nImaginea E:\\aREC\\2.gif nu poate fi scrisa: disc plin."},
        // A reason the program has no words of its own for comes in the system's.
        {ScanMessage::WriteError,
         {Cause::Write, "E:\\aREC\\2.gif", EIO, "I/O error"},
         LANG_ENGLISH,
         writeError + "\n\nCannot write the picture E:\\aREC\\2.gif: I/O error."},
        {ScanMessage::WriteError,
         {Cause::Write, "E:\\aREC\\2.gif", 0, ""},
         LANG_ENGLISH,
         writeError + "\n\nCannot write the picture E:\\aREC\\2.gif: the system gave no reason."},
        {ScanMessage::ReadError,
         {Cause::Read, "C:\\a.doc", 0, ""},
         LANG_ENGLISH,
         kMsgReadError[LANG_ENGLISH]},
        {ScanMessage::DirectoryExists,
         {Cause::NameTaken, "C:\\aREC\\1.jpg", EEXIST, "File exists"},
         LANG_ITALIAN,
         kDirectoryExists[LANG_ITALIAN]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure.path + " " + std::to_string(c.language));
        EXPECT_EQ(ScanFailureText(c.message, c.failure, c.language), c.text);
    }
}
