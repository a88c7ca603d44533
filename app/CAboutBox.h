// CAboutBox.h - the About box: the credits scrolling in the current language over
// the background picture, an OK button and the maker's web address as a link
#pragma once

#include <memory>
#include <string>

#include "controls/CLinkStatic.h"
#include "controls/CScrollHotStatic.h"
#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "lang/TextSet.h"
#include "settings/SettingsHost.h"

class SettingsFile;

class CAboutBox : public CDialog, private SettingsHost {
public:
    CAboutBox();

    // The language the box read from the settings file (1..6).
    int LanguageIndex() const { return m_languageIndex; }
    const std::string& SettingsPath() const { return m_settingsPath; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Called for the OK button or the Enter key: closes the box.
    void OnOK() override;
    void OnPaint();
    // The settings file the box reads its language from.
    virtual std::unique_ptr<SettingsFile> MakeSettingsFile(const std::string& path);
    DECLARE_MESSAGE_MAP()

    CLinkStatic m_contactLink;
    CLinkStatic m_webLink;
    CButton m_cancelButton;
    CScrollHotStatic m_credits;

private:
    // SettingsHost: the box reports in its own language, which is still English
    // while it reads the file.
    void ShowSettingsMessage(SettingsMessage message) override;
    [[noreturn]] void EndProcess(int exitCode) override;

    int ReadLanguage();
    void FillCredits();
    void SetUpLinks();

    const TextSet& m_missingFileTexts;
    const TextSet& m_writeErrorTexts;
    std::string m_settingsPath;
    int m_languageIndex = LANG_ENGLISH;
};
