// CBmpMenuRows.cpp - how a bitmap menu row looks: highlight, picture or check
// mark in a square, text in the menu font, submenu arrow
#include <windows.h>

#include "controls/CBmpMenu.h"
#include "controls/CBmpMenuToolBar.h"
#include "framework/CDC.h"

namespace {

constexpr UINT kSystemCheckMark = 32760;  // OBM_CHECK
constexpr UINT kRowTextFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;

COLORREF SystemColorFor(COLORREF color, bool hot) {
    switch (color) {
    case RGB(0, 0, 0):
        return GetSysColor(COLOR_BTNTEXT);
    case RGB(128, 128, 128):
        return GetSysColor(COLOR_BTNSHADOW);
    case RGB(192, 192, 192):
        return GetSysColor(hot ? COLOR_HIGHLIGHT : COLOR_MENU);
    case RGB(255, 255, 255):
        return GetSysColor(COLOR_BTNHIGHLIGHT);
    default:
        return color;
    }
}

void DrawRowText(CDC& dc, const std::wstring& text, RECT rc) {
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, kRowTextFormat);
}

}  // namespace

HBITMAP RecolorBitmap(HBITMAP source, bool grayed, bool hot) {
    BITMAP info{};
    if (!GetObjectW(source, sizeof info, &info)) return nullptr;
    CBitmap copy;
    if (!copy.CreateBitmap(info.bmWidth, info.bmHeight, grayed ? 1 : info.bmPlanes,
                           grayed ? 1 : info.bmBitsPixel)) {
        return nullptr;
    }
    {
        CDC from;
        CDC to;
        from.CreateCompatibleDC(nullptr);
        to.CreateCompatibleDC(nullptr);
        from.SelectObject(source);
        to.SelectObject(copy);
        for (int x = 0; x < info.bmWidth; ++x) {
            for (int y = 0; y < info.bmHeight; ++y) {
                const COLORREF color = from.GetPixel(x, y);
                to.SetPixel(x, y, grayed ? color : SystemColorFor(color, hot));
            }
        }
    }
    return static_cast<HBITMAP>(copy.Detach());
}

void CBmpMenuToolBar::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT: {
        const auto* item = reinterpret_cast<const BmpMenuItem*>(draw->nmcd.lItemlParam);
        if (!item || item->IsSeparator()) {  // separators keep the toolbar's look
            *result = CDRF_DODEFAULT;
            return;
        }
        CDC dc(draw->nmcd.hdc);
        DrawRow(dc, draw->nmcd.rc, static_cast<int>(draw->nmcd.dwItemSpec),
                (draw->nmcd.uItemState & CDIS_HOT) != 0, *item);
        *result = CDRF_SKIPDEFAULT;
        return;
    }
    default:
        *result = CDRF_DODEFAULT;
        return;
    }
}

void CBmpMenuToolBar::DrawRow(CDC& dc, RECT rc, int command, bool hot, const BmpMenuItem& item) {
    UINT state = item.info.fState;
    COLORREF textColor = GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const COLORREF background = GetSysColor(hot ? COLOR_HIGHLIGHT : COLOR_MENU);
    if (hot) {
        if (command != m_nLastHotCommand) NotifySelection(command, item, state);
        m_nLastHotCommand = command;
    }
    const bool grayed = (state & 0x01) != 0;
    if (grayed) textColor = GetSysColor(COLOR_GRAYTEXT);

    rc.left += 1;
    dc.FillSolidRect(&rc, background);
    const HGDIOBJ previousFont = dc.SelectObject(m_menuFont);
    const int height = rc.bottom - rc.top;
    const CRect square(rc.left, rc.top, rc.left + height, rc.bottom);
    if (state & MFS_CHECKED) {
        DrawItemBitmap(dc, square, hot, item.info.hbmpChecked, true, grayed);
    } else if (item.info.hbmpUnchecked) {
        DrawItemBitmap(dc, square, hot, item.info.hbmpUnchecked, false, grayed);
    }

    dc.SetTextColor(textColor);
    dc.SetBkMode(TRANSPARENT);
    rc.left += height + 2;
    if (grayed && !hot) {  // engraved: a light copy one pixel down and right
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawRowText(dc, item.text, CRect(rc.left + 1, rc.top + 1, rc.right + 1, rc.bottom + 1));
        dc.SetTextColor(textColor);
    }
    DrawRowText(dc, item.text, rc);
    if (previousFont) ::SelectObject(dc, previousFont);

    if (item.HasSubmenu()) DrawSubmenuArrow(dc, rc, textColor);
}

// Tells the owner which item the user is on, as the system's menus do; an item
// with a submenu is named by its index.
void CBmpMenuToolBar::NotifySelection(int command, const BmpMenuItem& item, UINT& state) {
    WPARAM selection = MAKEWPARAM(command, item.info.fState);
    if (item.HasSubmenu()) {
        state = MF_POPUP;
        selection = MAKEWPARAM(CommandToIndex(static_cast<UINT>(command)), MF_POPUP);
    }
    CBmpMenu* menu = Menu();
    if (CWnd* owner = MenuOwner())
        owner->SendMessage(WM_MENUSELECT, selection, reinterpret_cast<LPARAM>(menu->m_hMenu));
}

void CBmpMenuToolBar::DrawItemBitmap(CDC& dc, const RECT& square, bool hot, HBITMAP bitmap,
                                     bool checked, bool grayed) {
    CBitmap drawn;  // the recoloured copy or the loaded check mark
    if (!bitmap && !drawn.LoadOEMBitmap(kSystemCheckMark)) return;
    BITMAP info{};
    GetObjectW(bitmap ? bitmap : static_cast<HBITMAP>(drawn), sizeof info, &info);
    const CRect box(square);
    const int dx = (box.Width() - info.bmWidth) / 2;
    const int dy = (box.Height() - info.bmHeight) / 2;
    // A smaller picture is centred; a wider one is cut to the square round its middle.
    CRect target = box;
    POINT from{-dx, -dy};
    if (box.Width() > info.bmWidth) {
        target = CRect(box.left + dx, box.top + dy, box.left + dx + info.bmWidth,
                       box.top + dy + info.bmHeight);
        from = POINT{0, 0};
    }
    if (bitmap && checked) dc.FillSolidRect(&box, GetSysColor(COLOR_MENU));
    if (bitmap) {
        drawn.Attach(RecolorBitmap(bitmap, grayed, hot));
        if (drawn.IsNull()) return;
    }

    {
        CDC source;
        source.CreateCompatibleDC(&dc);
        source.SelectObject(drawn);
        const COLORREF previous =
            dc.SetBkColor(GetSysColor(hot && !grayed ? COLOR_HIGHLIGHT : COLOR_MENU));
        dc.BitBlt(target.left, target.top, target.Width(), target.Height(), &source, from.x, from.y,
                  SRCCOPY);
        dc.SetBkColor(previous);
    }
    if (!checked) return;

    RECT edge = box;
    dc.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
    CBrush fill;
    CBitmap dither;
    if (hot) {
        fill.CreateSolidBrush(GetSysColor(COLOR_MENU));
    } else {
        const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        dither.CreateBitmap(8, 8, 1, 1, pattern);
        fill.CreatePatternBrush(dither);
    }
    const HGDIOBJ previousBrush = ::SelectObject(dc, fill);
    dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    dc.SetBkColor(GetSysColor(COLOR_MENU));
    const COLORREF area = GetSysColor(hot && !bitmap ? COLOR_HIGHLIGHT : COLOR_MENU);
    dc.ExtFloodFill(box.left + 1, box.top + 1, area, FLOODFILLSURFACE);
    ::SelectObject(dc, previousBrush);
}

// A filled triangle pointing right, at the right end of the row.
void CBmpMenuToolBar::DrawSubmenuArrow(CDC& dc, const RECT& rc, COLORREF color) {
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    int left = rc.right - 3 * check / 4;
    int right = left + check;
    int top = rc.top + (rc.bottom - rc.top - check) / 2;
    int bottom = top + check;
    const int inset = 3 * check / 10;
    left += inset;
    right -= inset;
    top += inset;
    bottom -= inset;

    CPen pen(PS_SOLID, 1, color);
    CBrush brush(color);
    const HGDIOBJ previousPen = ::SelectObject(dc, pen);
    const HGDIOBJ previousBrush = ::SelectObject(dc, brush);
    const int halfHeight = (bottom - top) / 2;
    dc.MoveTo(left, top);
    dc.LineTo(left + (right - left) / 2, top + halfHeight);
    dc.LineTo(left, top + 2 * halfHeight);
    dc.LineTo(left, top);
    dc.ExtFloodFill(left + 1, top + 2, color, FLOODFILLBORDER);
    ::SelectObject(dc, previousPen);
    ::SelectObject(dc, previousBrush);
}
