// ScriptNames.h - document names the ANSI code page 1252 cannot spell, for the
// tests of every path a document name travels (no Windows header: the portable
// tests use them too).
#pragma once

#include <string>
#include <vector>

// Cyrillic, Greek, Romanian with its comma-below letters, Chinese, and an emoji
// (a surrogate pair in UTF-16), each in UTF-8 and without an extension.
inline const std::vector<std::string>& ScriptNames() {
    static const std::vector<std::string> names = {
        "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82",                  // Отчёт
        "\xCE\x91\xCE\xBD\xCE\xB1\xCF\x86\xCE\xBF\xCF\x81\xCE\xAC",  // Αναφορά
        "\xC8\x98\x65\x64\x69\x6E\xC8\x9B\xC4\x83",                  // Ședință
        "\xE6\x8A\xA5\xE5\x91\x8A",                                  // 报告
        "Album \xF0\x9F\x93\xB7",                                    // Album 📷
    };
    return names;
}
