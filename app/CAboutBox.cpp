// CAboutBox.cpp - the About box's start, its settings read and its painting
#include "app/CAboutBox.h"

#include "app/BackgroundPicture.h"
#include "controls/ProductMessage.h"
#include "framework/SystemPaths.h"
#include "framework/WindowDC.h"
#include "lang/Credits.h"
#include "lang/Texts.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"

BEGIN_MESSAGE_MAP(CAboutBox, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CAboutBox::CAboutBox()
    : CDialog(IDD_ABOUTBOX),
      m_contactLink(kMakerWebUrl),
      m_webLink(kMakerWebUrl),
      m_missingFileTexts(kMsgMissingFile),
      m_writeErrorTexts(kMsgWriteError) {}

void CAboutBox::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CONTACT_LINK, m_contactLink);
    DDX_Control(dx, IDC_WEB_LINK, m_webLink);
    DDX_Control(dx, IDCANCEL, m_cancelButton);
    DDX_Control(dx, IDC_CREDITS, m_credits);
}

BOOL CAboutBox::OnInitDialog() {
    CDialog::OnInitDialog();
    m_languageIndex = LANG_ENGLISH;
    m_settingsPath = SettingsPathIn(WindowsDirectory());
    m_languageIndex = ReadLanguage();
    FillCredits();
    SetUpLinks();
    return TRUE;
}

// A missing or damaged file is reported and replaced by the default one, and the
// box goes on in English.
int CAboutBox::ReadLanguage() {
    // Any index outside 1..6 reads as English.
    return MakeSettingsFile(m_settingsPath)->ReadOrRestoreDefaults(*this).LanguageIndex();
}

std::unique_ptr<SettingsFile> CAboutBox::MakeSettingsFile(const std::string& path) {
    return std::make_unique<SettingsFile>(path);
}

void CAboutBox::FillCredits() {
    for (const CreditsLine& line : CreditsLines(m_languageIndex))
        m_credits.AddLine(line.text, line.link, line.indent);
}

// Both links open the maker's web site whatever their target, and stay underlined.
void CAboutBox::SetUpLinks() {
    m_webLink.SetLinkTarget(kMakerWebUrl);
    m_webLink.SetUnderlineMode(CLinkStatic::UnderlineAlways);
    m_contactLink.SetLinkTarget(std::string("mailto:") + kMakerEmail);
    m_contactLink.SetUnderlineMode(CLinkStatic::UnderlineAlways);
}

void CAboutBox::OnOK() { EndDialog(IDOK); }

void CAboutBox::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    FillWithBackgroundPicture(dc, client);
}

void CAboutBox::ShowSettingsMessage(SettingsMessage message) {
    const TextSet& texts =
        message == SettingsMessage::MissingFile ? m_missingFileTexts : m_writeErrorTexts;
    ShowProductMessage(*this, texts, m_languageIndex);
}

void CAboutBox::EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }
