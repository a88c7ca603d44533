// Credits.cpp - credits rows in the six languages (UTF-8, like Texts.cpp)
#include "lang/Credits.h"

#include <array>

#include "lang/TextSet.h"

const char* const kProductName = "Velmo Image Recovery";
const char* const kMakerName = "Velmo Software";
const char* const kMakerEmail = "info@velmo.example.com";
const char* const kMakerWebShort = "www.velmo.example.com";
const char* const kMakerWebUrl = "http://www.velmo.example.com/";

namespace {

constexpr int kTitleIndent = 12;
constexpr int kBlanksBetweenAddresses = 8;

// The blanks are counts rather than literal runs so that they can be checked.
struct CreditsColumn {
    int titleBlanksBefore;
    int titleBlanksAfter;
    int spacerBlanks;
    int descriptionBlanksBefore;
    const char* description;
    int descriptionBlanksAfter;
    int authorBlanksBefore;
    const char* rightsNotice;
    int contactBlanksBefore;
};

const std::array<CreditsColumn, 7> kColumns = {{
    {0, 0, 0, 0, "", 0, 0, "", 0},
    {35, 50, 50, 4, "VQT is a image recovery utility for MSOffice files.", 1, 5,
     "All rights reserved.", 2},
    {35, 51, 50, 0, "VQT est une utilité de rétablissement d'image pour des fichiers de MSOffice.",
     2, 5, "Tous droits réservés.", 4},
    {35, 52, 50, 0, "VQT ist ein Bildwiederaufnahmendienstprogramm für Akten MSOffice.", 1, 8,
     "Alle Rechte vorbehalten.", 4},
    {35, 52, 50, 3,
     "VQT è un programma di utilità di recupero di immagine per le lime di MSOffice.", 1, 6,
     "Tutti i diritti riservati.", 1},
    {35, 52, 50, 3,
     "VQT es una utilidad de la recuperación de la imagen para los archivos de MSOffice. .", 0, 13,
     "Todos los derechos reservados.", 2},
    {38, 58, 53, 3, "VQT este un utilitar pentru recuperarea de imagini din fisiere MSOffice", 2, 5,
     "Toate drepturile rezervate.", 2},
}};

const char* const kCopyrightYear = "2004";

std::string Blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

std::string TitleRow(const CreditsColumn& column) {
    return Blanks(column.titleBlanksBefore) + kProductName + Blanks(column.titleBlanksAfter);
}

std::string DescriptionRow(const CreditsColumn& column) {
    return Blanks(column.descriptionBlanksBefore) + column.description +
           Blanks(column.descriptionBlanksAfter);
}

std::string AuthorRow(const CreditsColumn& column) {
    return Blanks(column.authorBlanksBefore) + kMakerName + " " + kCopyrightYear + ". " +
           column.rightsNotice;
}

std::string ContactRow(const CreditsColumn& column) {
    return Blanks(column.contactBlanksBefore) + "E-mail: " + kMakerEmail +
           Blanks(kBlanksBetweenAddresses) + kMakerWebShort;
}

}  // namespace

std::string CreditsText(CreditsRow row, int languageIndex) {
    const CreditsColumn& column = kColumns[ValidLanguage(languageIndex)];
    switch (row) {
    case CREDITS_TITLE:
        return TitleRow(column);
    case CREDITS_SPACER:
        return Blanks(column.spacerBlanks);
    case CREDITS_DESCRIPTION:
        return DescriptionRow(column);
    case CREDITS_AUTHOR:
        return AuthorRow(column);
    case CREDITS_CONTACT:
        return ContactRow(column);
    }
    return std::string();
}

std::vector<CreditsLine> CreditsLines(int languageIndex) {
    std::vector<CreditsLine> lines;
    for (int row = 0; row < kCreditsRowCount; ++row) {
        bool isTitle = row == CREDITS_TITLE;
        lines.push_back({CreditsText(static_cast<CreditsRow>(row), languageIndex),
                         isTitle ? kMakerWebShort : nullptr, isTitle ? kTitleIndent : 0});
    }
    return lines;
}
