// CSplashDlg.cpp
#include "app/CSplashDlg.h"

#include "app/BackgroundPicture.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/WindowDC.h"
#include "res/resource.h"

namespace {

constexpr UINT_PTR kCloseTimer = 101;
constexpr UINT kCloseAfterMs = 1000;
constexpr const char* kSplashLine = "        MSOffice  Image Recovery Utility...";
constexpr int kSplashLineY = 160;

}  // namespace

BEGIN_MESSAGE_MAP(CSplashDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CSplashDlg::CSplashDlg(CWnd* owner) : CDialog(IDD_SPLASH, owner) {}

// The timer ends with the window; nothing stops it explicitly.
BOOL CSplashDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTimer(kCloseTimer, kCloseAfterMs);
    m_tickCount = 0;
    return TRUE;
}

void CSplashDlg::OnTimer(UINT_PTR) {
    ++m_tickCount;
    if (m_tickCount > 0) EndDialog(IDOK);
    Default();
}

// The picture starts at the top left corner and repeats only where the window
// is larger than it; the line is drawn over it without a background box.
void CSplashDlg::OnPaint() {
    CFont font;
    font.CreateFont(20, 9, 0, 20, 100, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    FillWithBackgroundPicture(dc, client);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(font);
    dc.TextOut(0, kSplashLineY, kSplashLine);
}
