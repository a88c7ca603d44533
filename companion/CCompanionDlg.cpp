// CCompanionDlg.cpp
#include "companion/CCompanionDlg.h"

#include <iterator>

#include "companion/OneWindow.h"
#include "controls/ProductMessage.h"
#include "framework/CDC.h"
#include "framework/Module.h"
#include "framework/Text.h"
#include "framework/WindowDC.h"

namespace {

bool IsEditControl(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    return _wcsicmp(className, L"Edit") == 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CCompanionDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_CTLCOLORDLG, OnCtlColorDialog)
    ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColorLabel)
    ON_MESSAGE(WM_CTLCOLOREDIT, OnCtlColorField)
    ON_MESSAGE(WM_CTLCOLORLISTBOX, OnCtlColorField)
END_MESSAGE_MAP()

CCompanionDlg::CCompanionDlg(UINT templateId, UINT iconId) : CDialog(templateId) {
    m_icon = LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(iconId));
}

BOOL CCompanionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    if (m_oneWindow) m_oneWindow->Mark(m_hWnd);
    return TRUE;
}

void CCompanionDlg::OnDestroy() {
    if (m_oneWindow) m_oneWindow->Unmark(m_hWnd);
    Default();
}

int CCompanionDlg::ShowMessage(const std::string& utf8Text, UINT type) {
    return ShowProductMessage(*this, utf8Text, type);
}

std::wstring CCompanionDlg::FieldText(int id) const {
    HWND field = GetDlgItem(id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(field, &text[0], static_cast<int>(text.size()))));
    return text;
}

void CCompanionDlg::SetWrappedText(int id, const std::string& utf8) {
    HWND label = GetDlgItem(id);
    CRect area;
    ::GetClientRect(label, &area);
    CClientDC dc(this);
    dc.SelectObject(reinterpret_cast<HGDIOBJ>(::SendMessageW(label, WM_GETFONT, 0, 0)));
    std::string wrapped;
    std::string line;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find(' ', start);
        if (end == std::string::npos) end = utf8.size();
        const std::string word = utf8.substr(start, end - start);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && dc.GetTextExtent(longer).cx >= area.Width()) {
            wrapped += line + "\r\n";
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    dc.RestoreOriginalObjects();
    SetWindowTextW(label, Widen(wrapped + line).c_str());
}

// The band across the top, with the title on dark green as on the main window.
void CCompanionDlg::OnPaint() {
    CPen frame(PS_SOLID, 3, kTitleBrightGreen);
    CBrush green(kCompanionTitleGreen);
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    for (int y = 0; y < kCompanionBandHeight; y += kBandStep) {
        CRect band(0, y, client.Width(), y + kBandStep);
        dc.FillSolidRect(&band, BandColour(y));
    }
    dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    const std::string title = BandTitle();
    const int width = dc.GetTextExtent(title).cx + 40;
    dc.SelectObject(frame);
    dc.SelectObject(green);
    dc.RoundRect(-20, 4, width, kCompanionBandHeight - 4, 30, 24);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kCompanionTitleText);
    CRect text(12, 4, width, kCompanionBandHeight - 4);
    dc.DrawText(title, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    dc.RestoreOriginalObjects();
}

LRESULT CCompanionDlg::OnCtlColorDialog(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_bodyBrush));
}

// Labels and check boxes in white on the body; read-only text in a field.
LRESULT CCompanionDlg::OnCtlColorLabel(WPARAM dc, LPARAM control) {
    if (IsEditControl(reinterpret_cast<HWND>(control))) return OnCtlColorField(dc, control);
    HDC hdc = reinterpret_cast<HDC>(dc);
    ::SetTextColor(hdc, kCompanionText);
    ::SetBkColor(hdc, kCompanionBody);
    return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_bodyBrush));
}

LRESULT CCompanionDlg::OnCtlColorField(WPARAM dc, LPARAM) {
    HDC hdc = reinterpret_cast<HDC>(dc);
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::SetBkColor(hdc, kCompanionField);
    return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_fieldBrush));
}
