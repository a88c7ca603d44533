// GDI objects that own their handle and delete it when they go: pens, brushes,
// fonts, bitmaps. Not copyable (a copy would delete the handle twice); movable.
// Deselect an object (CDC restores what it replaced) before it is deleted.
#pragma once

#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    bool IsNull() const { return m_hObject == nullptr; }

    // Takes ownership of a handle (deleting the one held before).
    void Attach(HGDIOBJ object);
    // Gives up ownership without deleting.
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    // The bitmap is copied by the system; it may be deleted afterwards.
    BOOL CreatePatternBrush(HBITMAP bitmap);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
public:
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                    const char* utf8FaceName);
    BOOL CreateFontIndirect(const LOGFONTW& logFont);
    // Description of a font handle (e.g. a window's font); false when it has none.
    static BOOL GetLogFont(HFONT font, LOGFONTW* logFont);
    BOOL GetLogFont(LOGFONTW* logFont) const {
        return GetLogFont(static_cast<HFONT>(m_hObject), logFont);
    }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
public:
    // A bitmap resource of the program's own module.
    BOOL LoadBitmap(UINT resourceId);
    // LoadImage of a bitmap resource at its natural size with the given LR_ flags
    // (e.g. LR_LOADMAP3DCOLORS).
    BOOL LoadImage(UINT resourceId, UINT flags);
    // A system bitmap such as OBM_CHECK.
    BOOL LoadOEMBitmap(UINT oemId);
    // A bitmap compatible with the device context (a CDC passes as its HDC).
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                      const void* bits = nullptr);
    BOOL GetBitmap(BITMAP* info) const {
        return m_hObject && ::GetObjectW(m_hObject, sizeof(BITMAP), info) == sizeof(BITMAP);
    }
    // Width and height in pixels; 0 x 0 without a bitmap.
    SIZE GetSize() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
