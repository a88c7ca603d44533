// Utf16.cpp
#include "base/Utf16.h"

#include <cstdint>

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point starting at text[at], moving at past it; false when the
// bytes there are no well-formed UTF-8 (overlong forms and surrogates included).
bool DecodeUtf8(const std::string& text, size_t& at, uint32_t& point) {
    constexpr size_t kNoLead = 4;
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t extra = lead < 0x80   ? 0
                         : lead < 0xC2 ? kNoLead
                         : lead < 0xE0 ? 1
                         : lead < 0xF0 ? 2
                         : lead < 0xF5 ? 3
                                       : kNoLead;
    if (extra == kNoLead || text.size() - at <= extra) return false;
    point = extra == 0 ? lead : lead & (0x3F >> extra);
    for (size_t i = 1; i <= extra; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return false;
        point = (point << 6) | (byte & 0x3F);
    }
    static const uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[extra] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return false;
    at += extra + 1;
    return true;
}

void AppendUtf8(std::string& text, uint32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
        return;
    }
    const int extra = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    text += static_cast<char>(((0xFF00 >> (extra + 1)) & 0xFF) | (point >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
        text += static_cast<char>(0x80 | ((point >> shift) & 0x3F));
}

}  // namespace

std::wstring Utf16FromUtf8(const std::string& utf8) {
    std::wstring utf16;
    uint32_t point = 0;
    for (size_t at = 0; at < utf8.size();) {
        if (!DecodeUtf8(utf8, at, point)) return std::wstring();
        if (point < 0x10000) {
            utf16 += static_cast<wchar_t>(point);
        } else {
            point -= 0x10000;
            utf16 += static_cast<wchar_t>(0xD800 | (point >> 10));
            utf16 += static_cast<wchar_t>(0xDC00 | (point & 0x3FF));
        }
    }
    return utf16;
}

std::string Utf8FromUtf16(const std::wstring& utf16) {
    std::string utf8;
    for (size_t at = 0; at < utf16.size(); ++at) {
        uint32_t unit = static_cast<uint32_t>(utf16[at]) & 0xFFFF;
        if (unit >= 0xDC00 && unit <= 0xDFFF) return std::string();
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (at + 1 >= utf16.size()) return std::string();
            uint32_t low = static_cast<uint32_t>(utf16[at + 1]) & 0xFFFF;
            if (low < 0xDC00 || low > 0xDFFF) return std::string();
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            ++at;
        }
        AppendUtf8(utf8, unit);
    }
    return utf8;
}
