// Device contexts; see CDC.h.
#include "framework/CDC.h"

#include "framework/Text.h"

CDC::~CDC() {
    if (m_ownsMemoryDC) {
        DeleteDC();
    } else {
        RestoreOriginalObjects();
    }
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC) return FALSE;
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_ownsMemoryDC = m_hDC != nullptr;
    return m_ownsMemoryDC;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC || !m_ownsMemoryDC) return FALSE;
    RestoreOriginalObjects();
    BOOL deleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_ownsMemoryDC = false;
    return deleted;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    if (!m_hDC || !object) return nullptr;
    HGDIOBJ previous = ::SelectObject(m_hDC, object);
    HGDIOBJ* original = nullptr;
    switch (::GetObjectType(object)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        original = &m_originalPen;
        break;
    case OBJ_BRUSH:
        original = &m_originalBrush;
        break;
    case OBJ_FONT:
        original = &m_originalFont;
        break;
    case OBJ_BITMAP:
        original = &m_originalBitmap;
        break;
    default:
        break;
    }
    if (original && !*original) *original = previous;
    return previous;
}

void CDC::RestoreOriginalObjects() {
    for (HGDIOBJ* original :
         {&m_originalPen, &m_originalBrush, &m_originalFont, &m_originalBitmap}) {
        if (*original && m_hDC) ::SelectObject(m_hDC, *original);
        *original = nullptr;
    }
}

POINT CDC::SetWindowOrg(int x, int y) {
    POINT previous{0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

BOOL CDC::TextOut(int x, int y, const std::string& utf8Text) {
    std::wstring text = Widen(utf8Text);
    return ::TextOutW(m_hDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

int CDC::DrawText(const std::string& utf8Text, RECT* rect, UINT format) {
    std::wstring text = Widen(utf8Text);
    return ::DrawTextW(m_hDC, text.c_str(), static_cast<int>(text.size()), rect, format);
}

SIZE CDC::GetTextExtent(const std::string& utf8Text) const {
    std::wstring text = Widen(utf8Text);
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

POINT CDC::MoveTo(int x, int y) {
    POINT previous{0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}
