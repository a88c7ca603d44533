// TextSet.cpp
#include "lang/TextSet.h"

int ValidLanguage(int index) {
    return index >= kFirstLanguage && index <= kLastLanguage ? index : LANG_ENGLISH;
}

const char* Text(const TextSet& set, int languageIndex) {
    return set[ValidLanguage(languageIndex)];
}

std::string FormatText(const char* pattern, std::initializer_list<FormatArg> args) {
    std::string result;
    auto next = args.begin();
    for (const char* p = pattern; *p != '\0'; ++p) {
        bool placeholder = p[0] == '%' && (p[1] == 'd' || p[1] == 's');
        if (placeholder) {
            if (next != args.end()) result += (next++)->Value();
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            result += '%';
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}
