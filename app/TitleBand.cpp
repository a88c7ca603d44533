// TitleBand.cpp - painting of the main window
#include "app/TitleBand.h"

#include "app/CRecoveryDlg.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/WindowDC.h"

namespace {

void CreateBandFont(CFont& font) {
    font.CreateFont(12, 6, 0, 100, 100, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_MODERN | DEFAULT_PITCH, "Arial");
}

void CreateTitleFont(CFont& font) {
    font.CreateFont(14, 9, 0, 20, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

void Line(CDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// Each band is 12 pixels high and drawn every 10, so they overlap and leave no gap.
void PaintBands(CDC& dc, int clientHeight, const std::string& bandText) {
    dc.SetBkMode(OPAQUE);
    for (int y = 0; y < clientHeight; y += kBandStep) {
        dc.SetBkColor(BandColour(y));
        dc.TextOut(0, y, bandText);
    }
}

}  // namespace

void PaintTitleBand(CDC& dc, SIZE client, const std::string& bandText) {
    CPen wideDark(PS_SOLID, 37, kTitleDarkGreen);
    CPen thinBright(PS_SOLID, 3, kTitleBrightGreen);
    CPen frameDark(PS_SOLID, 20, kTitleDarkGreen);
    CFont bandFont;
    CreateBandFont(bandFont);
    CFont titleFont;
    CreateTitleFont(titleFont);

    dc.SelectObject(bandFont);
    PaintBands(dc, client.cy, bandText);

    dc.SelectObject(thinBright);
    Line(dc, 354, 29, client.cx, 29);
    // The frame is filled with the context's own brush, the stock white one.
    dc.SelectObject(frameDark);
    dc.SetBkColor(kTitleDarkGreen);
    dc.RoundRect(0, 0, 347, 52, 60, 40);
    dc.SelectObject(thinBright);
    Line(dc, 225, 52, 0, 52);
    dc.SelectObject(wideDark);
    Line(dc, 0, 10, client.cx, 10);
    Line(dc, 6, 29, 336, 24);

    // Still opaque on dark green: each letter sits in a dark green cell.
    dc.SetTextColor(kTitleTextColour);
    dc.SelectObject(titleFont);
    dc.TextOut(9, 25, kPaintedTitle);
    dc.RestoreOriginalObjects();
}

void CRecoveryDlg::OnPaint() {
    if (IsIconic()) {
        PaintMinimisedIcon();
        return;
    }
    CRect client;
    GetClientRect(&client);
    CPaintDC dc(this);
    PaintTitleBand(dc, SIZE{client.Width(), client.Height()}, m_bandText);
}

void CRecoveryDlg::PaintMinimisedIcon() {
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_icon);
}

// The picture shown while a minimised window is dragged.
HCURSOR CRecoveryDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_icon); }
