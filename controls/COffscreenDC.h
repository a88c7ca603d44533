// COffscreenDC: a drawing surface the size of a window's client area, so a
// paint can be composed out of sight and then copied to the screen in one go.
// On a printer context there is no surface: drawing goes straight to the target.
#pragma once

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/Geometry.h"

class COffscreenDC : public CDC {
public:
    // Covers the client area of the window that owns `target`, filled with the
    // button-face colour; logical coordinates are that window's client coordinates.
    explicit COffscreenDC(CDC* target);
    // Puts the surface's first bitmap back and releases the surface; copies nothing.
    ~COffscreenDC() override;

    const CRect& Area() const { return m_rect; }
    bool IsOffscreen() const { return m_offscreen; }
    // Copies `height` rows of the surface starting at row `sourceTop` to the
    // target, starting at row `targetTop`, across the whole width.
    void CopyRowsToTarget(int sourceTop, int targetTop, int height);

private:
    CBitmap m_bitmap;
    HGDIOBJ m_previousBitmap = nullptr;
    CDC* m_target;
    CRect m_rect;
    bool m_offscreen;
};
