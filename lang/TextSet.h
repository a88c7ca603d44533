// TextSet.h - a text in the six interface languages, addressed by language index
#pragma once

#include <array>
#include <initializer_list>
#include <string>

// Element 0 is not a language and holds "". The texts are UTF-8 (see Texts.cpp).
using TextSet = std::array<const char*, 7>;

// windows.h defines LANG_ENGLISH and the others as the system's language
// identifiers; in a file that includes it first, these names are ours.
#ifdef LANG_ENGLISH
#undef LANG_ENGLISH
#undef LANG_FRENCH
#undef LANG_GERMAN
#undef LANG_ITALIAN
#undef LANG_SPANISH
#undef LANG_ROMANIAN
#endif

enum Language {
    LANG_ENGLISH = 1,
    LANG_FRENCH,
    LANG_GERMAN,
    LANG_ITALIAN,
    LANG_SPANISH,
    LANG_ROMANIAN
};

constexpr int kFirstLanguage = LANG_ENGLISH;
constexpr int kLastLanguage = LANG_ROMANIAN;

// 1..6 unchanged; anything else (a damaged settings file, say) is English.
int ValidLanguage(int index);

// The set's text in the language; an index outside 1..6 gives English.
const char* Text(const TextSet& set, int languageIndex);

// One value for a %d or %s of a message pattern.
class FormatArg {
public:
    FormatArg(int number) : m_text(std::to_string(number)) {}
    FormatArg(const char* text) : m_text(text ? text : "") {}
    FormatArg(const std::string& text) : m_text(text) {}
    const std::string& Value() const { return m_text; }

private:
    std::string m_text;
};

// Fills the %d and %s of a pattern with the arguments in their order ("%%" is a
// percent sign). Type-safe and unbounded: a missing argument leaves the place
// empty, surplus arguments are ignored, and nothing can overflow.
std::string FormatText(const char* pattern, std::initializer_list<FormatArg> args);
