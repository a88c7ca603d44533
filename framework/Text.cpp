// Text conversions; see Text.h.
#include "framework/Text.h"

#include "base/Utf16.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, const char* text, int length) {
    if (!text || length == 0) return {};
    int needed = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text, length, &wide[0], needed);
    if (length < 0) wide.resize(wide.size() - 1);  // the terminator was counted
    return wide;
}

std::string FromWide(UINT codePage, const wchar_t* text, int length) {
    if (!text || length == 0) return {};
    int needed = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, text, length, &narrow[0], needed, nullptr, nullptr);
    if (length < 0) narrow.resize(narrow.size() - 1);
    return narrow;
}

}  // namespace

std::wstring Widen(const char* utf8) { return utf8 ? Utf16FromUtf8(utf8) : std::wstring(); }

std::wstring Widen(const std::string& utf8) { return Utf16FromUtf8(utf8); }

std::string Utf8FromWide(const wchar_t* text) { return text ? Utf8FromUtf16(text) : std::string(); }

std::string Utf8FromWide(const std::wstring& text) { return Utf8FromUtf16(text); }

std::wstring WidenAnsi(const std::string& ansi) {
    return ToWide(CP_ACP, ansi.data(), static_cast<int>(ansi.size()));
}

std::string Utf8FromAnsi(const std::string& ansi) { return Utf8FromWide(WidenAnsi(ansi)); }

std::string AnsiFromUtf8(const std::string& utf8) {
    std::wstring wide = Widen(utf8);
    return FromWide(CP_ACP, wide.data(), static_cast<int>(wide.size()));
}

std::string AnsiFromWide(const std::wstring& text) {
    return FromWide(CP_ACP, text.data(), static_cast<int>(text.size()));
}

std::optional<std::string> ExactAnsiFromWide(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0,
                                     nullptr, &lossy);
    if (needed <= 0 || lossy) return std::nullopt;
    std::string ansi(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, &ansi[0], needed,
                        nullptr, nullptr);
    return ansi;
}
