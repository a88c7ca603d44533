// GDI object wrappers; see CGdiObject.h.
#include "framework/CGdiObject.h"

#include "framework/Module.h"
#include "framework/Text.h"

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept {
    if (this != &other) Attach(other.Detach());
    return *this;
}

void CGdiObject::Attach(HGDIOBJ object) {
    if (object == m_hObject) return;
    DeleteObject();
    m_hObject = object;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    Attach(::CreatePen(style, width, color));
    return !IsNull();
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    Attach(::CreateSolidBrush(color));
    return !IsNull();
}

BOOL CBrush::CreatePatternBrush(HBITMAP bitmap) {
    Attach(::CreatePatternBrush(bitmap));
    return !IsNull();
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* utf8FaceName) {
    Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                         strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                         utf8FaceName ? Widen(utf8FaceName).c_str() : nullptr));
    return !IsNull();
}

BOOL CFont::CreateFontIndirect(const LOGFONTW& logFont) {
    Attach(::CreateFontIndirectW(&logFont));
    return !IsNull();
}

BOOL CFont::GetLogFont(HFONT font, LOGFONTW* logFont) {
    return font && ::GetObjectW(font, sizeof(LOGFONTW), logFont) == sizeof(LOGFONTW);
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    Attach(::LoadBitmapW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(resourceId)));
    return !IsNull();
}

BOOL CBitmap::LoadImage(UINT resourceId, UINT flags) {
    Attach(::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0,
                        flags));
    return !IsNull();
}

BOOL CBitmap::LoadOEMBitmap(UINT oemId) {
    Attach(::LoadBitmapW(nullptr, MAKEINTRESOURCEW(oemId)));
    return !IsNull();
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height) {
    Attach(::CreateCompatibleBitmap(dc, width, height));
    return !IsNull();
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
    Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    return !IsNull();
}

SIZE CBitmap::GetSize() const {
    BITMAP info{};
    if (!GetBitmap(&info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}
