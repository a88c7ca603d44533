// Credits.h - the About box's scrolling credits and the maker's addresses
#pragma once

#include <string>
#include <vector>

extern const char* const kProductName;    // "Velmo Image Recovery"
extern const char* const kMakerName;      // "Velmo Software"
extern const char* const kMakerEmail;     // "info@velmo.example.com"
extern const char* const kMakerWebShort;  // "www.velmo.example.com" (host name, no scheme)
extern const char* const kMakerWebUrl;    // "http://www.velmo.example.com/"

// The credits rows in the order the panel shows them.
enum CreditsRow {
    CREDITS_TITLE,
    CREDITS_SPACER,
    CREDITS_DESCRIPTION,
    CREDITS_AUTHOR,
    CREDITS_CONTACT
};
constexpr int kCreditsRowCount = 5;

// A row's text in the language (an index outside 1..6 gives English). The
// leading and trailing blanks place the text in the panel and are part of it.
std::string CreditsText(CreditsRow row, int languageIndex);

// One line for the credits panel's AddLine.
struct CreditsLine {
    std::string text;
    const char* link;  // nullptr: the line is no link
    int indent;
};

// The five lines of the language, in panel order: the title links to the
// maker's web address and is indented by 12, the others are plain.
std::vector<CreditsLine> CreditsLines(int languageIndex);
