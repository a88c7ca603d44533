// CRecoveryDlg.h - the main window: the document list, the command buttons and
// the menu buttons, the painted title band, and the ways the program ends
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/RecoverCommand.h"
#include "app/RecoveryRun.h"
#include "controls/CHoverButton.h"
#include "doclist/CDropFileListCtrl.h"
#include "doclist/ListCommands.h"
#include "doclist/ListOptionControls.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CImageList.h"
#include "framework/Controls.h"
#include "lang/TextSet.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsHost.h"

// How the popup menus look; read by the menu buttons' menus.
struct MenuAppearance {
    std::string sideWidth = "20";
    int showSide = 1;
    int tileSide = 1;
    int submenuSide = 0;
};

class CRecoveryDlg : public CDialog, private SettingsHost, private RunWindow {
public:
    CRecoveryDlg();
    ~CRecoveryDlg() override;

    int LanguageIndex() const { return m_languageIndex; }
    const std::string& SettingsPath() const { return m_settingsPath; }
    const std::string& InstallDirectory() const { return m_installDirectory; }
    int FirstColumnWidth() const { return m_firstColumnWidth; }
    const MenuAppearance& GetMenuAppearance() const { return m_menuAppearance; }
    HICON GetIcon() const { return m_icon; }

    // Starts a companion program from the install directory, or says it is missing.
    void LaunchCompanion(const char* fileName);
    // Switches every text of the window to the language and stores it.
    void ApplyLanguage(int languageIndex);
    // Shows the File, Options and Help pictures of the current language.
    void ApplyMenuButtonBitmaps();

    // Recovers the pictures of the selected document (the recovery command)
    // and keeps the outcome in the run state.
    void OnRecover();

    // State of the last recovery run, set when a run ends.
    int m_pictureCount = 0;
    std::string m_outputDirectory;
    bool m_runAborted = false;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Called for the Exit button (the dialog's OK): ends the process at once.
    void OnOK() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    // During a run every command is dropped but Escape's, which asks whether
    // to stop: no second run, no change to the list, no exit mid-picture.
    bool FilterCommandDuringRun(WPARAM wParam, LPARAM lParam, LRESULT* result);
    void OnClose();
    void OnExit();
    void OnHelpCommand();
    void OnOptionsCommand();
    // Shows the About box modally; its result is not used.
    void OnAbout();
    // The document list's commands and hidden option controls.
    void OnAddDocument();
    void OnRemoveFromList();
    void OnDeleteDocument();
    void OnEmptyList();
    void OnListOptionChanged();

    void OnLanguageCommand(UINT id);

    // The menu buttons' popup menus (CommandMenus.cpp); each returns once its
    // menu has closed, the chosen command following as a posted WM_COMMAND.
    void ShowFileMenu();
    void ShowOptionsMenu();
    void ShowHelpMenu();
    // Right click on the document list: its context menu.
    void OnListRightClick(NMHDR* header, LRESULT* result);

    // A message box with the text in the current language, owned by this window.
    void ShowMessage(const TextSet& texts);
    // The recovery command, made once the window is there; it reads the
    // language through the reference it is given.
    virtual std::unique_ptr<RecoverCommand> MakeRecoverCommand(RunWindow& window,
                                                               const int& languageIndex);

    DECLARE_MESSAGE_MAP()

    CDropFileListCtrl m_documentList;
    CHoverButton m_openButton;
    CHoverButton m_extractButton;
    CHoverButton m_optionsButton;
    CHoverButton m_helpButton;
    CHoverButton m_exitButton;
    CHoverButton m_deleteButton;
    CHoverButton m_emptyListButton;
    CHoverButton m_sidePanel;
    CButton m_fileMenuButton;
    CButton m_optionsMenuButton;
    CButton m_helpMenuButton;
    CProgressCtrl m_progress;

private:
    // SettingsHost: the settings file reports in the current language and
    // ends the process with the code it gives.
    void ShowSettingsMessage(SettingsMessage message) override;
    [[noreturn]] void EndProcess(int exitCode) override;
    // RunWindow: the run's messages belong to this window; its commands are
    // the buttons, the menu buttons and the list.
    void Tell(const std::string& utf8Text) override;
    int Ask(const std::string& utf8Question, const char* utf8Caption) override;
    void EnableCommands(bool enable) override;
    void LetWaitingMessagesThrough() override { PumpWaitingMessages(); }
    void ShowProgress() override;
    void MoveProgress(int step) override { m_progress.SetPos(step); }
    void HideProgress() override;
    bool RunGoingOn() const { return m_recoverCommand && m_recoverCommand->Running(); }

    void ShowSplash();
    void ReadStartupSettings();
    void SetUpColumns();
    void SetUpProgressBar();
    void SetUpSidePanel();
    void LoadMenuButtonBitmaps();
    void KeepMenuButtonsAtNormalDpi();
    void SetUpCommandButtons();
    void ApplyTooltips();
    void RebuildColumns();
    // The four list columns with the captions of the current language.
    void InsertColumns(int firstWidth, const std::array<int, 3>& otherWidths);
    void StoreLanguage();

    struct CommandButton {
        CHoverButton& button;
        WORD strip;
        int tooltip;  // row of kTooltipTexts
    };
    std::array<CommandButton, 7> CommandButtons();
    void PaintMinimisedIcon();

    HICON m_icon = nullptr;
    int m_languageIndex = kFirstLanguage;
    std::string m_settingsPath;
    std::string m_installDirectory;  // UTF-8
    std::unique_ptr<SettingsFile> m_settings;
    int m_firstColumnWidth = 0;
    std::string m_bandText;
    std::array<CBitmap, 18> m_menuButtonBitmaps;
    CImageList m_listImages;
    MenuAppearance m_menuAppearance;
    ListCommands m_listCommands{*this, m_documentList, m_languageIndex};
    ListOptionControls m_listOptionControls;
    std::unique_ptr<RecoverCommand> m_recoverCommand;
    HWND m_focusBeforeRun = nullptr;
};
