// CHoverButton: three pictures from one strip, chosen by press and hover.
#include "controls/CHoverButton.h"

#include <commctrl.h>

#include <utility>

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr DWORD kPressedPause = 80;  // ms the pressed picture is held
constexpr DWORD kHoverPause = 40;    // ms before the hover change is repainted
constexpr int kFocusCueInset = 3;    // pixels between the button's edge and its focus cue
}  // namespace

IMPLEMENT_DYNAMIC(CHoverButton, CBitmapButton)

BEGIN_MESSAGE_MAP(CHoverButton, CBitmapButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEHOVER()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
END_MESSAGE_MAP()

CHoverButton::~CHoverButton() {
    m_tooltip.DestroyWindow();
    m_strip.DeleteObject();
}

bool CHoverButton::LoadStrip(WORD bitmapId) {
    CBitmap strip;
    if (!strip.LoadImage(bitmapId, LR_LOADMAP3DCOLORS)) return false;
    m_strip = std::move(strip);
    SIZE size = m_strip.GetSize();
    m_frameWidth = size.cx / 3;
    m_frameHeight = size.cy;
    // Without SWP_NOZORDER the button would go to the top of its siblings and
    // turn the dialog's Tab order around.
    SetWindowPos(nullptr, 0, 0, m_frameWidth, m_frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    return true;
}

void CHoverButton::SetTooltip(const char* utf8Text, bool activate) {
    if (!utf8Text) return;
    CreateTooltipIfNeeded();
    if (m_tooltip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_tooltip.AddTool(this, utf8Text, &client, kToolId);
    }
    m_tooltip.UpdateTipText(utf8Text, this, kToolId);
    m_tooltip.Activate(activate);
}

void CHoverButton::CreateTooltipIfNeeded() {
    if (m_tooltip.m_hWnd) return;
    m_tooltip.Create(this);
    m_tooltip.Activate(FALSE);  // silent until SetTooltip switches it on
}

BOOL CHoverButton::PreTranslateMessage(MSG* msg) {
    CreateTooltipIfNeeded();
    m_tooltip.RelayEvent(msg);
    return CBitmapButton::PreTranslateMessage(msg);
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC target(drawItem->hDC);
    CDC memory;
    memory.CreateCompatibleDC(&target);
    HGDIOBJ previous = memory.SelectObject(m_strip);

    // Pressed wins over hover, so a pressed button under the pointer looks pressed.
    int left = 0;
    if (drawItem->itemState & ODS_SELECTED) {
        Sleep(kPressedPause);
        left = m_frameWidth;
    } else if (m_hover) {
        left = 2 * m_frameWidth;
    }
    target.BitBlt(0, 0, m_frameWidth, m_frameHeight, &memory, left, 0, SRCCOPY);
    memory.SelectObject(previous);
    if (ShowsFocusCue(drawItem->itemState)) {
        RECT cue = drawItem->rcItem;
        InflateRect(&cue, -kFocusCueInset, -kFocusCueInset);
        DrawFocusRect(drawItem->hDC, &cue);
    }
}

// As on a standard button: only while the window shows keyboard cues, which
// Windows hides until the keyboard is used in the window, so that mouse users
// see no cue.
bool CHoverButton::ShowsFocusCue(UINT itemState) const {
    if (!(itemState & ODS_FOCUS) || (itemState & ODS_NOFOCUSRECT)) return false;
    return !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS);
}

LRESULT CHoverButton::OnGetDlgCode(WPARAM, LPARAM) {
    return DLGC_BUTTON | (m_default ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The system's button would take the push-button style in place of
// BS_OWNERDRAW and draw itself from then on.
LRESULT CHoverButton::OnSetStyle(WPARAM style, LPARAM redraw) {
    m_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return DefWindowProc(BM_SETSTYLE, (style & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW,
                         redraw);
}

LRESULT CHoverButton::OnUpdateUiState(WPARAM, LPARAM) {
    const LRESULT result = Default();
    Invalidate(FALSE);
    return result;
}

void CHoverButton::OnMouseMove(UINT, CPoint) {
    if (!m_tracking) {
        // Hover after 1 ms rather than the system default, so the picture follows
        // the pointer at once.
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, 1};
        m_tracking = _TrackMouseEvent(&track) != FALSE;
    }
    Default();
}

void CHoverButton::OnMouseHover(UINT, CPoint) {
    m_hover = true;
    Sleep(kHoverPause);
    Invalidate(TRUE);
}

void CHoverButton::OnMouseLeave() {
    m_tracking = false;
    m_hover = false;
    Sleep(kHoverPause);
    Invalidate(TRUE);
}
