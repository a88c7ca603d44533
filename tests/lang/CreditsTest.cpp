// CreditsTest.cpp - the About box's credits lines per language
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "lang/Credits.h"
#include "lang/TextSet.h"

namespace {

std::size_t LeadingBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? text.size() : first;
}

std::size_t TrailingBlanks(const std::string& text) {
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? text.size() : text.size() - 1 - last;
}

struct Layout {
    int language;
    std::size_t titleBefore, titleAfter, spacer;
    std::size_t descriptionBefore, descriptionAfter, authorBefore, contactBefore;
};

const Layout kLayouts[] = {
    {LANG_ENGLISH, 35, 50, 50, 4, 1, 5, 2},  {LANG_FRENCH, 35, 51, 50, 0, 2, 5, 4},
    {LANG_GERMAN, 35, 52, 50, 0, 1, 8, 4},   {LANG_ITALIAN, 35, 52, 50, 3, 1, 6, 1},
    {LANG_SPANISH, 35, 52, 50, 3, 0, 13, 2}, {LANG_ROMANIAN, 38, 58, 53, 3, 2, 5, 2},
};

}  // namespace

TEST(Credits, BlanksPlaceEveryRowAsLaidOut) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.language);
        std::string title = CreditsText(CREDITS_TITLE, layout.language);
        EXPECT_EQ(title, std::string(layout.titleBefore, ' ') + "Velmo Image Recovery" +
                             std::string(layout.titleAfter, ' '));
        EXPECT_EQ(CreditsText(CREDITS_SPACER, layout.language), std::string(layout.spacer, ' '));

        std::string description = CreditsText(CREDITS_DESCRIPTION, layout.language);
        EXPECT_EQ(LeadingBlanks(description), layout.descriptionBefore);
        EXPECT_EQ(TrailingBlanks(description), layout.descriptionAfter);

        std::string author = CreditsText(CREDITS_AUTHOR, layout.language);
        EXPECT_EQ(LeadingBlanks(author), layout.authorBefore);
        EXPECT_EQ(author.compare(layout.authorBefore, std::strlen(kMakerName), kMakerName), 0)
            << author;

        std::string contact = CreditsText(CREDITS_CONTACT, layout.language);
        EXPECT_EQ(LeadingBlanks(contact), layout.contactBefore);
        EXPECT_EQ(contact.compare(layout.contactBefore, 7, "E-mail:"), 0) << contact;
        std::size_t email = contact.find(kMakerEmail);
        std::size_t web = contact.find(kMakerWebShort);
        ASSERT_NE(email, std::string::npos);
        ASSERT_NE(web, std::string::npos);
        EXPECT_LT(email, web);
        EXPECT_EQ(contact.substr(email + std::strlen(kMakerEmail), 2), "  ")
            << "a run of blanks between";
    }
}

TEST(Credits, DescriptionsAreQuotedExactly) {
    EXPECT_EQ(CreditsText(CREDITS_DESCRIPTION, LANG_ENGLISH),
              "    VQT is a image recovery utility for MSOffice files. ");
    EXPECT_EQ(CreditsText(CREDITS_DESCRIPTION, LANG_FRENCH),
              "VQT est une utilité de rétablissement d'image pour des fichiers de MSOffice.  ");
    EXPECT_EQ(
        CreditsText(CREDITS_DESCRIPTION, LANG_SPANISH),
        "   VQT es una utilidad de la recuperación de la imagen para los archivos de MSOffice. .");
    EXPECT_EQ(CreditsText(CREDITS_DESCRIPTION, LANG_ROMANIAN),
              "   VQT este un utilitar pentru recuperarea de imagini din fisiere MSOffice  ");
}

TEST(Credits, LinesComeInPanelOrderWithTheTitleAsTheOnlyLink) {
    for (int language = LANG_ENGLISH; language <= LANG_ROMANIAN; ++language) {
        std::vector<CreditsLine> lines = CreditsLines(language);
        ASSERT_EQ(lines.size(), 5u);
        ASSERT_NE(lines[0].link, nullptr);
        EXPECT_STREQ(lines[0].link, kMakerWebShort);
        EXPECT_EQ(lines[0].indent, 12);
        for (int row = 0; row < kCreditsRowCount; ++row) {
            EXPECT_EQ(lines[row].text, CreditsText(static_cast<CreditsRow>(row), language));
            EXPECT_LT(lines[row].text.size(), 255u) << "the panel keeps texts within 254 bytes";
            if (row > 0) {
                EXPECT_EQ(lines[row].link, nullptr);
                EXPECT_EQ(lines[row].indent, 0);
            }
        }
    }
}

TEST(Credits, LanguageOutsideOneToSixShowsEnglish) {
    EXPECT_EQ(CreditsText(CREDITS_TITLE, 0), CreditsText(CREDITS_TITLE, LANG_ENGLISH));
    EXPECT_EQ(CreditsText(CREDITS_DESCRIPTION, 9), CreditsText(CREDITS_DESCRIPTION, LANG_ENGLISH));
    EXPECT_EQ(CreditsLines(-1)[0].text, CreditsText(CREDITS_TITLE, LANG_ENGLISH));
}
