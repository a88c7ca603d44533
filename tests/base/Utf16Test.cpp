// Utf16Test.cpp: the one conversion between UTF-8 and UTF-16.
#include "base/Utf16.h"

#include <gtest/gtest.h>

namespace {

struct WellFormed {
    const char* name;
    std::string utf8;
    std::wstring utf16;
};

TEST(Utf16, WellFormedTextsConvertBothWays) {
    const WellFormed cases[] = {
        {"ascii", "Report.doc", L"Report.doc"},
        {"two bytes", "r\xC3\xA9sum\xC3\xA9", {L'r', 0xE9, L's', L'u', L'm', 0xE9}},
        {"three bytes", "\xE2\x82\xAC", {0x20AC}},
        {"four bytes", "\xF0\x9F\x93\xB7", {0xD83D, 0xDCF7}},
        {"last code point", "\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}},
        {"empty", "", L""},
    };
    for (const WellFormed& text : cases) {
        SCOPED_TRACE(text.name);
        EXPECT_EQ(Utf16FromUtf8(text.utf8), text.utf16);
        EXPECT_EQ(Utf8FromUtf16(text.utf16), text.utf8);
    }
}

// A path that converts to something else would name another file.
TEST(Utf16, MalformedTextsConvertToNothing) {
    for (const std::string& utf8 : {std::string("caf\xE9.doc"), std::string("\x80"),
                                    std::string("\xC0\x80"), std::string("\xED\xA0\x80"),
                                    std::string("\xED\xBF\xBF"),
                                    std::string("\xE2\x82"), std::string("\xF4\x90\x80\x80"),
                                    std::string("\xF8\x88\x80\x80\x80")})
        EXPECT_EQ(Utf16FromUtf8("a" + utf8), L"") << "bytes " << utf8.size();
    for (const std::wstring& utf16 :
         {std::wstring{0xD83D}, std::wstring{0xDCF7, L'a'}, std::wstring{L'a', 0xD83D, L'b'}})
        EXPECT_EQ(Utf8FromUtf16(utf16), "");
}

}  // namespace
