// CLinkStatic: link colours, underline modes, hand cursor, tooltip and opening.
#include "controls/CLinkStatic.h"

#include <mbstring.h>
#include <shellapi.h>

#include <vector>

#include "framework/Module.h"
#include "framework/SystemPaths.h"
#include "framework/Text.h"
#include "framework/WindowDC.h"
#include "res/resource.h"

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT kHoverPeriodMs = 10;
// The pointer may leave through the bottom edge while the text is underlined; the
// line drawn there is repainted with the rest.
constexpr int kUnderlineRepaintMargin = 10;
constexpr int kHelpViewerHandCursor = 106;

// The default value of a key, in full whatever its length; a registry error code
// when the key or its value cannot be read (the value then counts as absent).
LONG ReadRegistryDefault(HKEY root, const std::string& subkey, std::string& value) {
    HKEY key = nullptr;
    LONG error = RegOpenKeyExA(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &key);
    if (error != ERROR_SUCCESS) return error;
    DWORD type = 0;
    DWORD size = 0;
    error = RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size);
    std::vector<char> data(size + 1, '\0');
    if (error == ERROR_SUCCESS) {
        error = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                 &size);
    }
    RegCloseKey(key);
    if (error != ERROR_SUCCESS) return error;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
    value.assign(data.data());  // stops at the terminator the value may or may not carry
    return ERROR_SUCCESS;
}

// A copy of the help viewer's hand cursor, or null when there is none to take.
HCURSOR HelpViewerHandCursor() {
    std::string viewer = WindowsDirectory() + "\\winhlp32.exe";
    // As data only: none of the viewer's code runs in this process.
    HMODULE module = LoadLibraryExW(WidenAnsi(viewer).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return nullptr;
    HCURSOR copy = nullptr;
    if (HCURSOR cursor = LoadCursorW(module, MAKEINTRESOURCEW(kHelpViewerHandCursor))) {
        copy = CopyCursor(cursor);
    }
    FreeLibrary(module);
    return copy;
}

// The byte offset of `needle` in `text`, found character by character in the
// multi-byte code page so that a trail byte never starts a match; npos if absent.
size_t FindInMultiByte(const std::string& text, const char* needle) {
    const auto* start = reinterpret_cast<const unsigned char*>(text.c_str());
    const unsigned char* found = _mbsstr(start, reinterpret_cast<const unsigned char*>(needle));
    return found ? static_cast<size_t>(found - start) : std::string::npos;
}

}  // namespace

BEGIN_MESSAGE_MAP(CLinkStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CLinkStatic::~CLinkStatic() {
    // The window goes before the fonts it may still be using.
    if (m_hWnd) DestroyWindow();
    if (m_ownsLinkCursor) DestroyCursor(m_linkCursor);
}

void CLinkStatic::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);
    if (GetWindowText().empty()) SetWindowText(m_target.c_str());
    MakeFonts();
    // A mode chosen before the item was bound shows from the start.
    if (m_underlineMode == UnderlineAlways) SetFont(m_underlineFont, TRUE);
    FitToText();
    LoadHandCursor();

    m_tooltip.Create(this);
    CRect client;
    GetClientRect(&client);
    m_tooltip.AddTool(this, m_siteAddress.c_str(), &client, kToolId);
    m_target = m_siteAddress;
    CStatic::PreSubclassWindow();
}

void CLinkStatic::MakeFonts() {
    // An item without a font of its own is drawn in the system font.
    m_standardFont = GetFont();
    if (!m_standardFont) m_standardFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    LOGFONTW description{};
    CFont::GetLogFont(m_standardFont, &description);
    description.lfUnderline = TRUE;
    m_underlineFont.DeleteObject();
    m_underlineFont.CreateFontIndirect(description);
}

void CLinkStatic::SetLinkTarget(const std::string& target) {
    m_target = target;
    if (!m_hWnd) return;
    FitToText();
    m_tooltip.UpdateTipText(m_siteAddress.c_str(), this, kToolId);
}

void CLinkStatic::SetVisited(bool visited) {
    m_visited = visited;
    if (m_hWnd) Invalidate(TRUE);
}

void CLinkStatic::SetUnderlineMode(int mode) {
    if (mode == m_underlineMode) return;
    m_underlineMode = mode;
    if (!m_hWnd) return;
    SetFont(mode == UnderlineAlways ? static_cast<HFONT>(m_underlineFont) : m_standardFont, TRUE);
    Invalidate(TRUE);
}

void CLinkStatic::FitToText() {
    if (!m_hWnd || !m_fitToText) return;
    HWND parent = ::GetParent(m_hWnd);
    CRect window;
    GetWindowRect(&window);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    CRect client;
    GetClientRect(&client);
    SIZE text;
    {
        CClientDC dc(this);
        dc.SelectObject(m_underlineFont);
        text = dc.GetTextExtent(GetWindowText());
    }
    const int neededWidth = text.cx + (window.Width() - client.Width());
    const int neededHeight = text.cy + (window.Height() - client.Height());

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int half = (window.Height() - neededHeight) / 2;
        window.top += half;
        window.bottom -= half;
    } else {
        window.bottom = window.top + neededHeight;
    }
    const DWORD alignment = style & SS_TYPEMASK;
    if (alignment == SS_CENTER) {
        const int half = (window.Width() - neededWidth) / 2;
        window.left += half;
        window.right -= half;
    } else if (alignment == SS_RIGHT) {
        window.left = window.right - neededWidth;
    } else {
        window.right = window.left + neededWidth;
    }
    SetWindowPos(nullptr, window.left, window.top, window.Width(), window.Height(), SWP_NOZORDER);
}

void CLinkStatic::LoadHandCursor() {
    if (m_linkCursor) return;
    m_linkCursor = HelpViewerHandCursor();
    m_ownsLinkCursor = m_linkCursor != nullptr;
    // Systems without the help viewer (or without its cursor) still get a hand.
    if (!m_linkCursor) {
        m_linkCursor = LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDC_LINK_HAND));
    }
    if (!m_linkCursor) m_linkCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
}

BOOL CLinkStatic::DestroyWindow() {
    KillTimer(m_hoverTimerId);
    return CStatic::DestroyWindow();
}

BOOL CLinkStatic::PreTranslateMessage(MSG* msg) {
    m_tooltip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

HBRUSH CLinkStatic::CtlColor(CDC* dc, UINT) {
    if (m_over) {
        dc->SetTextColor(m_hoverColour);
    } else {
        dc->SetTextColor(m_visited ? m_visitedColour : m_linkColour);
    }
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

BOOL CLinkStatic::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillRect(&client, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

BOOL CLinkStatic::OnSetCursor(HWND, UINT, UINT) {
    if (!m_linkCursor) return FALSE;
    ::SetCursor(m_linkCursor);
    return TRUE;
}

void CLinkStatic::OnMouseMove(UINT, CPoint) {
    if (!m_over) {
        m_over = true;
        if (m_underlineMode == UnderlineOnHover) SetFont(m_underlineFont, TRUE);
        Invalidate(TRUE);
        SetTimer(m_hoverTimerId, kHoverPeriodMs);
    }
    Default();
}

void CLinkStatic::OnTimer(UINT_PTR) {
    DWORD position = GetMessagePos();
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    if (!client.Contains(point)) {
        m_over = false;
        KillTimer(m_hoverTimerId);
        if (m_underlineMode != UnderlineAlways) SetFont(m_standardFont, TRUE);
        client.bottom += kUnderlineRepaintMargin;
        InvalidateRect(&client, TRUE);
    }
    Default();
}

void CLinkStatic::OnClicked() {
    m_over = false;
    m_target = m_siteAddress;
    int result = OpenLink(m_target.c_str(), SW_SHOW);
    m_visited = result > 32;
    if (m_visited) {
        SetVisited(true);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ShowOpenError(result);
    }
}

int CLinkStatic::OpenLink(const char* url, int showCommand) {
    HINSTANCE shell =
        ShellExecuteW(nullptr, L"open", Widen(url).c_str(), nullptr, nullptr, showCommand);
    const int shellResult = static_cast<int>(reinterpret_cast<INT_PTR>(shell));
    if (reinterpret_cast<UINT_PTR>(shell) > 32) return shellResult;
    return OpenWithRegisteredBrowser(url, showCommand, shellResult);
}

int CLinkStatic::OpenWithRegisteredBrowser(const char* url, int showCommand, int shellResult) {
    std::string command;
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", command) != ERROR_SUCCESS) {
        return shellResult;
    }
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, command + "\\shell\\open\\command", command) !=
        ERROR_SUCCESS) {
        return shellResult;
    }
    return static_cast<int>(
        WinExec(BrowserCommand(command, url).c_str(), static_cast<UINT>(showCommand)));
}

std::string CLinkStatic::BrowserCommand(const std::string& registeredCommand, const char* url) {
    std::string command = registeredCommand;
    size_t cut = FindInMultiByte(command, "\"%1\"");
    if (cut == std::string::npos) cut = FindInMultiByte(command, "%1");
    if (cut != std::string::npos) command.erase(cut);
    return command + " " + (url ? url : "");
}

std::string CLinkStatic::OpenErrorText(int result) {
    switch (result) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case SE_ERR_FNF:
        return "The specified file was not found.";
    case SE_ERR_PNF:
        return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED:
        return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM:
        return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE:
        return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE:
        return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL:
        return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "The DDE transaction could not\nbe completed because other DDE transactions\n"
               "were being processed.";
    case SE_ERR_NOASSOC:
        return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND:
        return "The specified dynamic-link library was not found.";
    default:
        return "Unknown Error (" + std::to_string(result) + ") occurred.";
    }
}

void CLinkStatic::ShowOpenError(int result) {
    std::string text = "Unable to open hyperlink:\n\n" + OpenErrorText(result);
    MessageBox(text.c_str(), AfxGetAppName(), MB_ICONEXCLAMATION | MB_OK);
}
