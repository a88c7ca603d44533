// Device contexts. CDC wraps an HDC; what it owns depends on how it was made:
// CDC(hdc) owns nothing, CreateCompatibleDC makes a memory context it deletes;
// the contexts of a window are in WindowDC.h.
// SelectObject remembers what each first selection replaced, and the original
// objects are put back when the CDC goes, so objects selected into it can be
// deleted after it (declare them before the CDC).
#pragma once

#include <windows.h>

#include <string>

#include "framework/CGdiObject.h"

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hdc) : m_hDC(hdc) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // An owned memory context compatible with `dc` (null: with the screen).
    BOOL CreateCompatibleDC(CDC* dc);
    // Puts the original objects back and deletes an owned memory context.
    BOOL DeleteDC();

    // Returns the object that was selected before.
    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectObject(const CGdiObject& object) { return SelectObject(object.m_hObject); }
    // Puts back the objects that were selected when the CDC first changed them.
    void RestoreOriginalObjects();

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    POINT SetWindowOrg(int x, int y);
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    BOOL IsPrinting() const { return ::GetDeviceCaps(m_hDC, TECHNOLOGY) == DT_RASPRINTER; }

    // Text is UTF-8 and drawn through the W functions.
    BOOL TextOut(int x, int y, const std::string& utf8Text);
    int DrawText(const std::string& utf8Text, RECT* rect, UINT format);
    SIZE GetTextExtent(const std::string& utf8Text) const;

    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
        return ::RoundRect(m_hDC, left, top, right, bottom, ellipseWidth, ellipseHeight);
    }
    void FillRect(const RECT* rect, HBRUSH brush) { ::FillRect(m_hDC, rect, brush); }
    void FillSolidRect(const RECT* rect, COLORREF color);
    BOOL DrawEdge(RECT* rect, UINT edge, UINT flags) {
        return ::DrawEdge(m_hDC, rect, edge, flags);
    }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL ExtFloodFill(int x, int y, COLORREF color, UINT fillType) {
        return ::ExtFloodFill(m_hDC, x, y, color, fillType);
    }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                        sourceY, rop);
    }
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                            sourceY, sourceWidth, sourceHeight, rop);
    }

protected:
    bool m_ownsMemoryDC = false;

private:
    HGDIOBJ m_originalPen = nullptr;
    HGDIOBJ m_originalBrush = nullptr;
    HGDIOBJ m_originalFont = nullptr;
    HGDIOBJ m_originalBitmap = nullptr;
};
