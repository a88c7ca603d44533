// CCompanionDlg.h - the window both companion programs are built on: the main
// window's colours and title band, its icon, and texts in a chosen language
#pragma once

#include <string>

#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "res/Palette.h"

class COneWindow;

// The main window's colours, so the three programs read as one family.
constexpr COLORREF kCompanionBody = BandColour(0);
constexpr COLORREF kCompanionText = RGB(255, 255, 255);
constexpr COLORREF kCompanionField = kListBackground;
constexpr COLORREF kCompanionTitleGreen = kTitleDarkGreen;
constexpr COLORREF kCompanionTitleText = kTitleTextColour;
// Height in pixels of the painted band at the top; the templates keep their
// controls below it.
constexpr int kCompanionBandHeight = 40;

class CCompanionDlg : public CDialog {
public:
    CCompanionDlg(UINT templateId, UINT iconId);

    int LanguageIndex() const { return m_languageIndex; }
    // The program's one window: marked while it is open, so that a second
    // start of the program finds it.
    void KeepAsOnlyWindow(const COneWindow* oneWindow) { m_oneWindow = oneWindow; }

protected:
    // The icon on the window; derived classes call it first.
    BOOL OnInitDialog() override;
    // The text drawn in the band at the top, UTF-8.
    virtual std::string BandTitle() const = 0;

    // A message box captioned with the product name, owned by this window.
    int ShowMessage(const std::string& utf8Text, UINT type = MB_OK);
    // A control's text as it stands, in full.
    std::wstring FieldText(int id) const;
    // Gives a label its text broken into lines at blanks only, each as wide as
    // the label, so that a path in it never breaks at one of its backslashes.
    void SetWrappedText(int id, const std::string& utf8);

    void OnPaint();
    void OnDestroy();
    LRESULT OnCtlColorDialog(WPARAM, LPARAM);
    LRESULT OnCtlColorLabel(WPARAM dc, LPARAM control);
    LRESULT OnCtlColorField(WPARAM dc, LPARAM);

    int m_languageIndex = 1;

    DECLARE_MESSAGE_MAP()

private:
    HICON m_icon = nullptr;
    const COneWindow* m_oneWindow = nullptr;
    CBrush m_bodyBrush{kCompanionBody};
    CBrush m_fieldBrush{kCompanionField};
};
