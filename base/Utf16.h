// Utf16.h: UTF-8 and UTF-16 (as wchar_t units, as Windows takes them), one
// way for the whole program.
#pragma once

#include <string>

// Both give an empty string for input that is not well formed: a text, and
// above all a path, that converts to something else would name another file.
std::wstring Utf16FromUtf8(const std::string& utf8);
std::string Utf8FromUtf16(const std::wstring& utf16);
