// CConfigDlg.h - the configuration program's one window: edits propImage.pro
// through the settings module and writes it only when the user presses OK
#pragma once

#include <optional>
#include <string>

#include "companion/CCompanionDlg.h"
#include "lang/TextSet.h"
#include "settings/SettingsFile.h"

// What a folder field says when it cannot be stored.
struct FolderTexts;

class CConfigDlg : public CCompanionDlg {
public:
    explicit CConfigDlg(const std::string& settingsPath);

protected:
    BOOL OnInitDialog() override;
    // Checks every field, then saves and closes; a refusal keeps the window open
    // and the file untouched.
    void OnOK() override;
    std::string BandTitle() const override;

    void OnLanguageChosen();
    void OnOutputChanged();
    void OnSuffixChanged();
    void OnProgramChanged();
    void OnBrowseOutput();
    void OnBrowseProgram();
    // Fills the fields with the default settings; the program folder becomes
    // this program's own, where the main window must find it. The language
    // stays: the user chose it to read this window.
    void OnDefaults();

    DECLARE_MESSAGE_MAP()

private:
    void ShowFields(const std::string& suffix, const std::string& outputPath, bool offerDeletion,
                    int languageIndex, const std::string& programFolder);
    void ApplyTexts();
    void ShowExample();
    void SetFieldText(int id, const std::string& utf8);
    // The record to save, or none after a refusal was shown.
    std::optional<SettingsRecord> EditedRecord();
    std::optional<std::string> CheckedSuffix();
    std::optional<std::string> CheckedFolder(int id, const FolderTexts& texts);
    // Says why Windows could not have the folder, if it could not.
    bool RefusedAsImpossible(int id, const std::string& folder);
    bool ProgramFolderAccepted(const std::string& folder);
    void KeepWithinFile(int id, size_t most);
    bool OutputFolderReady(const std::string& folder);
    int Refuse(int field, const std::string& message);
    void BrowseInto(int field, const TextSet& title);

    SettingsFile m_file;
    SettingsReading m_reading;
};
