// CScrollHotStatic: off-screen painting, the endless scroll and the link lines.
#include "controls/CScrollHotStatic.h"

#include <commctrl.h>
#include <shellapi.h>

#include "controls/COffscreenDC.h"
#include "framework/Module.h"
#include "framework/Text.h"
#include "framework/WindowDC.h"
#include "res/resource.h"

namespace {

constexpr UINT_PTR kScrollTimerId = 1000;
constexpr UINT kFirstScrollPeriodMs = 30;
// Once the pointer has been over the panel and left, it catches up a little faster.
constexpr UINT kResumedScrollPeriodMs = 10;

// Turns the block around at the ends of its way: from the start or from the top
// it enters again at the bottom, and once fully in it starts leaving.
void UpdateScrollPhase(CreditsScroll& scroll, int height) {
    if (!scroll.enterPhase && scroll.entryGap == 0 && scroll.exitOffset == 0) {
        scroll.enterPhase = true;
        scroll.entryGap = height;
    }
    if (scroll.enterPhase && scroll.entryGap == 0) {
        scroll.exitOffset = 0;
        scroll.enterPhase = false;
    }
    if (!scroll.enterPhase && scroll.exitOffset == height) {
        scroll.exitOffset = 0;
        scroll.entryGap = height;
        scroll.enterPhase = true;
    }
}

// Copies the band of the block that is inside the panel; the rest of the panel
// keeps what it shows.
void CopyBlockToScreen(COffscreenDC& surface, const CreditsScroll& scroll, int height) {
    const int top = surface.Area().top;
    if (scroll.enterPhase) {
        surface.CopyRowsToTarget(top, top + scroll.entryGap, height - scroll.entryGap);
    } else {
        surface.CopyRowsToTarget(top + scroll.exitOffset, top, height - scroll.exitOffset);
    }
}

void AdvanceScroll(CreditsScroll& scroll) {
    if (!scroll.scrollRunning) return;
    if (scroll.enterPhase) {
        --scroll.entryGap;
    } else {
        ++scroll.exitOffset;
    }
}

// Trailing blanks only carry a link line's underline towards the right edge: when
// the words themselves fit, the blanks are cut at the edge instead of pushing the
// last word onto a line of its own.
UINT LineFormat(CDC& dc, const std::string& text, const RECT& area) {
    const size_t lastWord = text.find_last_not_of(' ');
    const std::string words = lastWord == std::string::npos ? "" : text.substr(0, lastWord + 1);
    return dc.GetTextExtent(words).cx <= area.right - area.left ? 0u : UINT(DT_WORDBREAK);
}

bool MakeFontLike(HFONT font, BYTE underline, CFont& made) {
    LOGFONTW description{};
    if (!font || !CFont::GetLogFont(font, &description)) return false;
    description.lfUnderline = underline;
    return made.CreateFontIndirect(description);
}

}  // namespace

IMPLEMENT_DYNAMIC(CScrollHotStatic, CStatic)

BEGIN_MESSAGE_MAP(CScrollHotStatic, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CreditsScroll& CScrollHotStatic::Scroll() {
    static CreditsScroll scroll;
    return scroll;
}

CScrollHotStatic::CScrollHotStatic()
    : m_handCursor(LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDC_LINK_HAND))),
      m_arrowCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW))) {
    if (!m_handCursor) m_handCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    ::SetCursor(m_arrowCursor);
}

CScrollHotStatic::~CScrollHotStatic() {
    // The window goes before the fonts it may still be drawing with.
    if (m_hWnd) DestroyWindow();
}

void CScrollHotStatic::AddLine(const std::string& utf8Text, const char* link, int indent) {
    CreditLine line;
    line.text = utf8Text;
    line.link = link ? link : "";
    line.indent = indent;
    m_lines.push_back(line);
}

void CScrollHotStatic::OnDestroy() {
    KillTimer(static_cast<UINT_PTR>(m_scrollTimer));
    // Both cursors are shared ones (the program's resource and the system's arrow):
    // destroying them would take them from every later panel, so they are only let go.
    m_handCursor = nullptr;
    m_arrowCursor = nullptr;
    Default();
}

BOOL CScrollHotStatic::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CScrollHotStatic::OnSetCursor(HWND, UINT, UINT) { return TRUE; }

void CScrollHotStatic::OnTimer(UINT_PTR id) {
    if (static_cast<int>(id) == m_scrollTimer) {
        // Forced at once: queued paints would come at their own low priority.
        Invalidate(FALSE);
        UpdateWindow();
    }
    Default();
}

void CScrollHotStatic::OnPaint() {
    CreditsScroll& scroll = Scroll();
    if (scroll.firstPaint) {
        // Without a class cursor the system stops resetting the pointer over the
        // panel, so the hand chosen over a link line stays.
        SetClassLongPtrW(m_hWnd, GCLP_HCURSOR, 0);
        scroll.firstPaint = false;
    }
    CPaintDC paint(this);
    COffscreenDC surface(&paint);
    const int height = surface.Area().Height();
    UpdateScrollPhase(scroll, height);
    if (m_scrollTimer == -1) {
        m_scrollTimer = static_cast<int>(SetTimer(kScrollTimerId, kFirstScrollPeriodMs));
    }
    PrepareFonts(surface);
    DrawLines(surface);
    CopyBlockToScreen(surface, scroll, height);
    AdvanceScroll(scroll);
}

void CScrollHotStatic::PrepareFonts(COffscreenDC& surface) {
    if (!m_underlineFont.GetSafeHandle()) {
        MakeFontLike(GetFont(), TRUE, m_underlineFont);
        // Measured with the surface's own font, before either of ours is selected.
        m_lineHeight = surface.GetTextExtent("A").cy;
    }
    if (!m_plainFont.GetSafeHandle()) MakeFontLike(GetFont(), FALSE, m_plainFont);
}

void CScrollHotStatic::DrawLines(COffscreenDC& surface) {
    CRect area;
    GetClientRect(&area);
    for (const CreditLine& line : m_lines) {
        COLORREF colour = m_textColour;
        if (line.HasLink()) {
            surface.SelectObject(m_underlineFont);
            if (line.flags & LINE_HOT) {
                colour = m_hoverColour;
            } else {
                colour = (line.flags & LINE_VISITED) ? m_visitedColour : m_linkColour;
            }
        } else {
            surface.SelectObject(m_plainFont);
        }
        surface.SetTextColor(colour);
        surface.SetBkMode(TRANSPARENT);
        area.left = line.indent;
        surface.DrawText(line.text, &area, LineFormat(surface, line.text, area));
        area.top += m_lineHeight;
    }
}

void CScrollHotStatic::OnMouseMove(UINT, CPoint point) {
    // Asked for on any move, not only on the one that pauses the scroll: a panel
    // that starts paused (the last one went with the pointer on it) must still
    // hear the pointer leave, or it would never move again.
    if (!m_leaveRequested) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        m_leaveRequested = _TrackMouseEvent(&track) != FALSE;
    }
    CreditsScroll& scroll = Scroll();
    if (scroll.scrollRunning) {
        KillTimer(static_cast<UINT_PTR>(m_scrollTimer));
        scroll.scrollRunning = false;
        return;
    }
    MarkLineUnderPointer(point.y);
    bool anyHot = false;
    for (const CreditLine& line : m_lines) anyHot = anyHot || (line.flags & LINE_HOT);
    ::SetCursor(anyHot ? m_handCursor : m_arrowCursor);
    Invalidate(FALSE);
    UpdateWindow();
}

// The comparisons are unsigned, so a pointer above the block's top hits nothing.
void CScrollHotStatic::MarkLineUnderPointer(int y) {
    const CreditsScroll& scroll = Scroll();
    const auto blockRow = static_cast<unsigned>(y + scroll.exitOffset - scroll.entryGap);
    const auto lineHeight = static_cast<unsigned>(m_lineHeight);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        CreditLine& line = m_lines[i];
        line.flags &= ~LINE_HOT;
        if (line.HasLink() && m_lineHeight != -1 && lineHeight * i <= blockRow &&
            blockRow < lineHeight * (i + 1)) {
            line.flags |= LINE_HOT;
        }
    }
}

void CScrollHotStatic::OnMouseLeave() {
    m_leaveRequested = false;
    Scroll().scrollRunning = true;
    // A pointer that came before the first paint finds no timer yet to restart.
    UINT_PTR id = m_scrollTimer == -1 ? kScrollTimerId : static_cast<UINT_PTR>(m_scrollTimer);
    m_scrollTimer = static_cast<int>(SetTimer(id, kResumedScrollPeriodMs));
    ::SetCursor(m_arrowCursor);
    for (CreditLine& line : m_lines) line.flags &= ~LINE_HOT;
}

void CScrollHotStatic::OnClicked() {
    for (CreditLine& line : m_lines) {
        if (!(line.flags & LINE_HOT)) continue;
        if (!OpenLineLink(line.link)) {
            MessageBeep(MB_OK);
            return;
        }
        line.flags |= LINE_VISITED;
        Invalidate(TRUE);
        return;
    }
}

bool CScrollHotStatic::OpenLineLink(const std::string& link) {
    HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Widen(link).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<UINT_PTR>(result) > 32;
}
