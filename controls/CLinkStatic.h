// CLinkStatic: a static text item shown and used as a web link. Whatever target
// its owner gives it, it opens the one site address its owner made it with and
// shows that address as its tooltip; the target only fills an item that has no
// text of its own.
#pragma once

#include <string>
#include <utility>

#include "framework/CGdiObject.h"
#include "framework/CToolTipCtrl.h"
#include "framework/Controls.h"

class CLinkStatic : public CStatic {
public:
    enum UnderlineMode { UnderlineOnHover = -1, UnderlineNever = 0, UnderlineAlways = 1 };

    // `siteAddress`: the address every click opens (the maker's web site).
    explicit CLinkStatic(std::string siteAddress) : m_siteAddress(std::move(siteAddress)) {}
    ~CLinkStatic() override;

    void SetLinkTarget(const std::string& target);
    const std::string& GetLinkTarget() const { return m_target; }
    void SetVisited(bool visited = true);
    bool IsVisited() const { return m_visited; }
    // Any mode other than UnderlineOnHover and UnderlineAlways never underlines.
    void SetUnderlineMode(int mode);
    int GetUnderlineMode() const { return m_underlineMode; }
    bool IsHovering() const { return m_over; }

    // Resizes the window to its text, keeping the edge (or centre) its alignment
    // anchors it to.
    void FitToText();
    // Takes the help viewer's hand cursor, else the program's own, else the system's.
    void LoadHandCursor();
    HCURSOR GetLinkCursor() const { return m_linkCursor; }
    const CToolTipCtrl& GetTooltip() const { return m_tooltip; }

    // Opens the address with the shell, else with the program registered for
    // ".htm" pages; the result is greater than 32 on success.
    virtual int OpenLink(const char* url, int showCommand);
    // Tells the user why the link could not be opened (English, as the system's
    // own error names are).
    void ShowOpenError(int result);

    // The text ShowOpenError shows for a result.
    static std::string OpenErrorText(int result);
    // The browser's command line from its registered open command: the "%1"
    // placeholder (quoted or bare) and all that follows it are cut off, then a
    // blank and the address are appended.
    static std::string BrowserCommand(const std::string& registeredCommand, const char* url);

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;

    HBRUSH CtlColor(CDC* dc, UINT kind);
    BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnClicked();
    BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

private:
    void MakeFonts();
    int OpenWithRegisteredBrowser(const char* url, int showCommand, int shellResult);

    COLORREF m_linkColour = RGB(0, 0, 238);
    COLORREF m_visitedColour = RGB(85, 26, 139);
    COLORREF m_hoverColour = RGB(255, 0, 0);
    bool m_over = false;
    bool m_visited = false;
    int m_underlineMode = UnderlineOnHover;
    bool m_fitToText = true;
    std::string m_target;
    const std::string m_siteAddress;
    CFont m_underlineFont;
    HFONT m_standardFont = nullptr;  // the dialog's font, not ours to delete
    HCURSOR m_linkCursor = nullptr;
    bool m_ownsLinkCursor = false;  // a copy taken from the help viewer
    CToolTipCtrl m_tooltip;
    UINT_PTR m_hoverTimerId = 100;
};
