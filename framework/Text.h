// Text conversions between the program's UTF-8 texts, UTF-16 for the W functions
// and the system ANSI code page in which paths are kept.
#pragma once

#include <optional>
#include <string>

// UTF-8 -> UTF-16, as base/Utf16 converts: a null pointer or a text that is
// not well formed gives an empty string.
std::wstring Widen(const char* utf8);
std::wstring Widen(const std::string& utf8);

// UTF-16 -> UTF-8, the same way.
std::string Utf8FromWide(const wchar_t* text);
std::string Utf8FromWide(const std::wstring& text);

// The settings file and the system directories are in the ANSI code page; these cross over.
std::wstring WidenAnsi(const std::string& ansi);
std::string Utf8FromAnsi(const std::string& ansi);
std::string AnsiFromUtf8(const std::string& utf8);
std::string AnsiFromWide(const std::wstring& text);
// The ANSI spelling only when the code page holds every character: a path with a
// character it lacks would name another file.
std::optional<std::string> ExactAnsiFromWide(const std::wstring& text);
