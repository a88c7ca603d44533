// CScrollHotStatic: a framed panel whose lines scroll upward without end. Lines
// with a link are drawn as links, light up under the pointer and open their link
// through the shell when clicked; the scrolling stops while the pointer is over
// the panel so that they can be hit. The item needs SS_NOTIFY for the clicks.
#pragma once

#include <string>
#include <vector>

#include "framework/CGdiObject.h"
#include "framework/Controls.h"

class COffscreenDC;

enum CreditLineFlags : unsigned {
    LINE_HOT = 1,      // the pointer is on this line
    LINE_VISITED = 2,  // this line's link was opened
};

struct CreditLine {
    std::string text;  // UTF-8, drawn as it is, leading blanks included
    std::string link;  // opened by the shell on a click; empty for a plain line
    int indent = 0;    // left edge of the text, pixels from the panel's left edge
    unsigned flags = 0;

    bool HasLink() const { return !link.empty(); }
};

// Where the scrolling block stands. One position serves the whole program run:
// every panel shows it and moves it, so a new panel goes on where the last stopped.
struct CreditsScroll {
    bool scrollRunning = true;  // false while the pointer is over a panel
    bool firstPaint = true;     // the panels' window class still has its own cursor
    bool enterPhase = false;    // rising in from the bottom edge (else leaving at the top)
    int entryGap = 0;           // entering: rows between the panel's top and the block's
    int exitOffset = 0;         // leaving: rows of the block already gone past the top
};

class CScrollHotStatic : public CStatic {
    DECLARE_DYNAMIC(CScrollHotStatic)
public:
    CScrollHotStatic();
    ~CScrollHotStatic() override;

    // Appends a line; a null or empty link makes it a plain line.
    void AddLine(const std::string& utf8Text, const char* link, int indent);
    const std::vector<CreditLine>& GetLines() const { return m_lines; }
    // Distance between lines in pixels; -1 until the first paint measured it.
    int GetLineHeight() const { return m_lineHeight; }

    static CreditsScroll& Scroll();

protected:
    // Asks the shell to open a line's link; whether it did.
    virtual bool OpenLineLink(const std::string& link);

    void OnClicked();
    void OnMouseMove(UINT flags, CPoint point);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* dc);
    BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message);
    void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    void PrepareFonts(COffscreenDC& surface);
    void DrawLines(COffscreenDC& surface);
    void MarkLineUnderPointer(int y);

    COLORREF m_linkColour = RGB(0, 0, 255);
    COLORREF m_visitedColour = RGB(128, 0, 128);
    COLORREF m_hoverColour = RGB(255, 0, 0);
    COLORREF m_textColour = RGB(0, 0, 0);
    CFont m_underlineFont;
    CFont m_plainFont;
    int m_lineHeight = -1;
    int m_scrollTimer = -1;
    bool m_leaveRequested = false;  // the system will tell this panel when the pointer leaves
    HCURSOR m_handCursor;
    HCURSOR m_arrowCursor;
    std::vector<CreditLine> m_lines;
};
