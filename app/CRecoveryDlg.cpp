// CRecoveryDlg.cpp - the main window's start-up, message table, exits and the
// window's side of a recovery run
#include "app/CRecoveryDlg.h"

#include "app/CAboutBox.h"
#include "app/CSplashDlg.h"
#include "app/CompanionLaunch.h"
#include "controls/ProductMessage.h"
#include "framework/SystemPaths.h"
#include "framework/Module.h"
#include "framework/Text.h"
#include "framework/WindowDC.h"
#include "lang/Credits.h"
#include "lang/Texts.h"
#include "res/Palette.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kListImageMask = RGB(255, 0, 255);
constexpr int kListImageWidth = 16;
constexpr int kBandTextLength = 400;
constexpr UINT kNormalExitCode = 9;

// Widths of the Size KB, Date and Time columns at start.
constexpr std::array<int, 3> kStartColumnWidths = {60, 80, 80};

}  // namespace

BEGIN_MESSAGE_MAP(CRecoveryDlg, CDialog)
    ON_MESSAGE_FILTER(WM_COMMAND, FilterCommandDuringRun)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_COMMAND(ID_FILE_EXIT, OnExit)
    ON_COMMAND(IDC_HELP_BUTTON, OnHelpCommand)
    ON_COMMAND(ID_HELP_LAUNCH, OnHelpCommand)
    ON_COMMAND(ID_HELP_ABOUT, OnAbout)
    ON_COMMAND(IDC_OPTIONS_BUTTON, OnOptionsCommand)
    ON_COMMAND(ID_OPTIONS_SETTINGS, OnOptionsCommand)
    ON_COMMAND(IDC_EXTRACT_BUTTON, OnRecover)
    ON_COMMAND(ID_FILE_RECOVER, OnRecover)
    ON_COMMAND(ID_LIST_RECOVER, OnRecover)
    ON_COMMAND_RANGE(ID_LANGUAGE_ENGLISH, ID_LANGUAGE_ROMANIAN, OnLanguageCommand)
    ON_COMMAND(IDC_FILE_MENU_BUTTON, ShowFileMenu)
    ON_COMMAND(IDC_OPTIONS_MENU_BUTTON, ShowOptionsMenu)
    ON_COMMAND(IDC_HELP_MENU_BUTTON, ShowHelpMenu)
    ON_NOTIFY(NM_RCLICK, IDC_DOCUMENT_LIST, OnListRightClick)
    ON_COMMAND(IDC_OPEN_BUTTON, OnAddDocument)
    ON_COMMAND(ID_FILE_ADD, OnAddDocument)
    ON_COMMAND(ID_LIST_REMOVE, OnRemoveFromList)
    ON_COMMAND(IDC_DELETE_BUTTON, OnDeleteDocument)
    ON_COMMAND(ID_FILE_DELETE, OnDeleteDocument)
    ON_COMMAND(ID_LIST_DELETE, OnDeleteDocument)
    ON_COMMAND(IDC_EMPTY_BUTTON, OnEmptyList)
    ON_COMMAND(ID_FILE_CLEAR, OnEmptyList)
    ON_COMMAND(ID_LIST_EMPTY, OnEmptyList)
    ON_BN_CLICKED(IDC_ACCEPT_FILES, OnListOptionChanged)
    ON_BN_CLICKED(IDC_ACCEPT_FOLDERS, OnListOptionChanged)
    ON_BN_CLICKED(IDC_ALLOW_DUPLICATES, OnListOptionChanged)
    ON_BN_CLICKED(IDC_USE_CALLBACK, OnListOptionChanged)
    ON_BN_CLICKED(IDC_ALL_FILES, OnListOptionChanged)
    ON_BN_CLICKED(IDC_FILTER_EXTENSION, OnListOptionChanged)
    ON_EN_KILLFOCUS(IDC_EXTENSION_EDIT, OnListOptionChanged)
END_MESSAGE_MAP()

CRecoveryDlg::CRecoveryDlg() : CDialog(IDD_RECOVERY_DIALOG) {
    m_icon = LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_APPICON));
}

CRecoveryDlg::~CRecoveryDlg() = default;

void CRecoveryDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_DOCUMENT_LIST, m_documentList);
    DDX_Control(dx, IDC_HELP_BUTTON, m_helpButton);
    DDX_Control(dx, IDOK, m_exitButton);
    DDX_Control(dx, IDC_OPEN_BUTTON, m_openButton);
    DDX_Control(dx, IDC_EXTRACT_BUTTON, m_extractButton);
    DDX_Control(dx, IDC_EMPTY_BUTTON, m_emptyListButton);
    DDX_Control(dx, IDC_OPTIONS_BUTTON, m_optionsButton);
    DDX_Control(dx, IDC_SIDE_PANEL, m_sidePanel);
    DDX_Control(dx, IDC_FILE_MENU_BUTTON, m_fileMenuButton);
    DDX_Control(dx, IDC_OPTIONS_MENU_BUTTON, m_optionsMenuButton);
    DDX_Control(dx, IDC_HELP_MENU_BUTTON, m_helpMenuButton);
    DDX_Control(dx, IDC_DELETE_BUTTON, m_deleteButton);
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    m_listOptionControls.Exchange(dx);
}

// The order matters: the splash comes before the settings are read, and every
// message up to the reading of the settings is English.
BOOL CRecoveryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    m_languageIndex = kFirstLanguage;
    m_recoverCommand = MakeRecoverCommand(*this, m_languageIndex);
    ShowSplash();
    m_settingsPath = SettingsPathIn(WindowsDirectory());
    m_settings = std::make_unique<SettingsFile>(m_settingsPath);
    m_documentList.SetBkColor(kListBackground);
    ReadStartupSettings();
    SetUpColumns();
    m_bandText.assign(kBandTextLength, ' ');
    m_documentList.SetOptions(DropListOptions{DROP_ACCEPT_FILES, std::string(), nullptr});
    SetWindowText(kProductName);
    SetUpProgressBar();
    SetUpSidePanel();
    LoadMenuButtonBitmaps();
    ApplyMenuButtonBitmaps();
    KeepMenuButtonsAtNormalDpi();
    SetUpCommandButtons();
    m_menuAppearance = MenuAppearance();
    m_settings->ResetDefaults();
    return TRUE;
}

void CRecoveryDlg::ShowSplash() {
    CSplashDlg splash(this);
    splash.DoModal();
}

// A missing file ends the process here (exit code 2), before the window shows.
void CRecoveryDlg::ReadStartupSettings() {
    StartupSettings startup = m_settings->ReadAtStartup(*this);
    m_installDirectory = Utf8FromAnsi(startup.installDirectory);
    m_languageIndex = startup.languageIndex;
}

void CRecoveryDlg::SetUpColumns() {
    CRect client;
    m_documentList.GetClientRect(&client);
    m_firstColumnWidth = client.Width() * 6 / 10;
    InsertColumns(m_firstColumnWidth, kStartColumnWidths);
    m_documentList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listImages.Create(IDB_FILE_ICONS, kListImageWidth, kListImageWidth, kListImageMask);
    m_documentList.SetImageList(&m_listImages, LVSIL_SMALL);
}

void CRecoveryDlg::SetUpProgressBar() {
    m_progress.ShowWindow(SW_HIDE);
    m_progress.SetStep(1);
    m_progress.SetRange(0, RecoveryRun::kProgressSteps);
}

void CRecoveryDlg::SetUpSidePanel() {
    m_sidePanel.LoadStrip(IDB_STRIP_SIDE);
    m_sidePanel.SetTooltip(kSidePanelTooltip, true);
}

void CRecoveryDlg::LoadMenuButtonBitmaps() {
    for (size_t i = 0; i < m_menuButtonBitmaps.size(); ++i)
        m_menuButtonBitmaps[i].LoadBitmap(IDB_MENUBUTTON_FIRST + static_cast<UINT>(i));
}

void CRecoveryDlg::ApplyMenuButtonBitmaps() {
    if (m_languageIndex < kFirstLanguage || m_languageIndex > kLastLanguage) return;
    const size_t first = 3 * static_cast<size_t>(m_languageIndex - 1);
    m_fileMenuButton.SetBitmap(m_menuButtonBitmaps[first]);
    m_optionsMenuButton.SetBitmap(m_menuButtonBitmaps[first + 1]);
    m_helpMenuButton.SetBitmap(m_menuButtonBitmaps[first + 2]);
}

// The menu buttons sit on the title band, which is painted in pixels, and show
// pictures drawn for a 96-DPI screen: with large fonts they keep the place and
// size a 96-DPI screen gives them, so that they never cover the title.
void CRecoveryDlg::KeepMenuButtonsAtNormalDpi() {
    for (CButton* button : {&m_fileMenuButton, &m_optionsMenuButton, &m_helpMenuButton}) {
        CRect place;
        button->GetWindowRect(&place);
        ScreenToClient(&place);
        button->MoveWindow(CRect(NormalDpiPixels(place.left), NormalDpiPixels(place.top),
                                 NormalDpiPixels(place.right), NormalDpiPixels(place.bottom)));
    }
}

// The command buttons in the order they get their pictures and tooltips.
std::array<CRecoveryDlg::CommandButton, 7> CRecoveryDlg::CommandButtons() {
    return {{
        {m_openButton, IDB_STRIP_OPEN, TIP_OPEN},
        {m_extractButton, IDB_STRIP_EXTRACT, TIP_EXTRACT},
        {m_optionsButton, IDB_STRIP_OPTIONS, TIP_OPTIONS},
        {m_helpButton, IDB_STRIP_HELP, TIP_HELP},
        {m_exitButton, IDB_STRIP_EXIT, TIP_EXIT},
        {m_deleteButton, IDB_STRIP_DELETE, TIP_DELETE},
        {m_emptyListButton, IDB_STRIP_EMPTY, TIP_EMPTY_LIST},
    }};
}

void CRecoveryDlg::SetUpCommandButtons() {
    // Each tooltip covers its button as the strip has sized it.
    for (const CommandButton& command : CommandButtons()) command.button.LoadStrip(command.strip);
    ApplyTooltips();
}

void CRecoveryDlg::InsertColumns(int firstWidth, const std::array<int, 3>& otherWidths) {
    m_documentList.InsertColumn(0, Text(kColumnCaptions[0], m_languageIndex), LVCFMT_LEFT,
                                firstWidth);
    // The widths are those of a 96-DPI screen; with large fonts the captions need more.
    for (int column = 1; column < 4; ++column) {
        m_documentList.InsertColumn(column, Text(kColumnCaptions[column], m_languageIndex),
                                    LVCFMT_LEFT, ScreenPixels(otherWidths[column - 1]));
    }
}

void CRecoveryDlg::ShowMessage(const TextSet& texts) {
    ShowProductMessage(*this, texts, m_languageIndex);
}

void CRecoveryDlg::ShowSettingsMessage(SettingsMessage message) {
    ShowMessage(message == SettingsMessage::MissingFile ? kMsgMissingFile : kMsgWriteError);
}

void CRecoveryDlg::EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

// Every way out ends the process at once; nothing is saved, since the settings
// are written whenever they change.
void CRecoveryDlg::OnOK() { ExitProcess(kNormalExitCode); }

void CRecoveryDlg::OnClose() {
    if (RunGoingOn()) {
        m_recoverCommand->AskToStop();
        return;
    }
    ExitProcess(kNormalExitCode);
}

void CRecoveryDlg::OnExit() { ExitProcess(kNormalExitCode); }

void CRecoveryDlg::LaunchCompanion(const char* fileName) {
    const std::string path = CompanionPath(m_installDirectory, fileName);
    if (!OpensForReading(path)) {
        ShowMessage(kMsgMissingFile);
        return;
    }
    StartCompanion(path);
}

void CRecoveryDlg::OnHelpCommand() { LaunchCompanion(kHelpProgram); }

void CRecoveryDlg::OnAbout() {
    CAboutBox aboutBox;
    aboutBox.DoModal();
}

void CRecoveryDlg::OnOptionsCommand() { LaunchCompanion(kConfigurationProgram); }

void CRecoveryDlg::OnAddDocument() { m_listCommands.OnAddDocument(); }

void CRecoveryDlg::OnRemoveFromList() { m_listCommands.OnRemoveSelected(); }

void CRecoveryDlg::OnDeleteDocument() { m_listCommands.OnDeleteSelected(); }

void CRecoveryDlg::OnEmptyList() { m_listCommands.OnEmptyList(); }

void CRecoveryDlg::OnListOptionChanged() { m_listOptionControls.OnChanged(*this, m_documentList); }

// Without a selected row nothing else happens: the settings are not even read.
void CRecoveryDlg::OnRecover() {
    const int row = m_documentList.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        ShowMessage(kMsgNoSelection);
        return;
    }
    const std::optional<ScanResult> result = m_recoverCommand->Execute(
        m_documentList.GetItemText(row, 0), m_settings->LoadSettings(*this));
    if (!result) return;
    m_pictureCount = result->pictureCount;
    m_outputDirectory = result->outputDirectory;
    m_runAborted = result->runAborted;
}

std::unique_ptr<RecoverCommand> CRecoveryDlg::MakeRecoverCommand(RunWindow& window,
                                                                 const int& languageIndex) {
    return std::make_unique<RecoverCommand>(window, languageIndex);
}

bool CRecoveryDlg::FilterCommandDuringRun(WPARAM wParam, LPARAM, LRESULT*) {
    if (!RunGoingOn()) return false;
    if (LOWORD(wParam) == IDCANCEL) m_recoverCommand->AskToStop();
    return true;
}

void CRecoveryDlg::Tell(const std::string& utf8Text) { ShowProductMessage(*this, utf8Text); }

int CRecoveryDlg::Ask(const std::string& utf8Question, const char* utf8Caption) {
    return MessageBox(utf8Question.c_str(), utf8Caption, MB_YESNO);
}

// The window itself takes the keyboard while its controls are off, so that
// Escape still reaches it. It is given the focus once they are off: the
// dialog would pass the focus on to one of them.
void CRecoveryDlg::EnableCommands(bool enable) {
    if (!enable) m_focusBeforeRun = ::GetFocus();
    for (const CommandButton& command : CommandButtons()) command.button.EnableWindow(enable);
    m_fileMenuButton.EnableWindow(enable);
    m_optionsMenuButton.EnableWindow(enable);
    m_helpMenuButton.EnableWindow(enable);
    m_documentList.EnableWindow(enable);
    if (!enable)
        SetFocus();
    else if (m_focusBeforeRun && ::IsWindow(m_focusBeforeRun))
        ::SetFocus(m_focusBeforeRun);
}

void CRecoveryDlg::ShowProgress() {
    m_progress.SetPos(0);
    m_progress.ShowWindow(SW_SHOW);
}

void CRecoveryDlg::HideProgress() {
    m_progress.ShowWindow(SW_HIDE);
    m_progress.SetPos(0);
}
