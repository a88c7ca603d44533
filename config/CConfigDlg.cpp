// CConfigDlg.cpp
#include "config/CConfigDlg.h"

#include <shlobj.h>

#include <algorithm>

#include "config/ConfigChecks.h"
#include "config/PellocResource.h"
#include "framework/Text.h"
#include "lang/ConfigTexts.h"
#include "lang/TextSet.h"
#include "base/RunPaths.h"

using namespace SettingsLayout;

struct FolderTexts {
    size_t most;
    const TextSet& tooLong;
    const TextSet& notAnsi;
    const TextSet& notFull;
};

namespace {

// The example the window works its live line out for: a document opened from
// C:\Work, which is then the main window's current folder.
const char kExampleDocument[] = "C:\\Work\\Report.doc";
const char kExampleFolder[] = "C:\\Work";

constexpr size_t kSuffixMost = kSuffixWidth - 1;
constexpr size_t kOutputPathMost = kOutputPathWidth - 1;
constexpr size_t kProgramFolderMost = kInstallDirectoryWidth - 1;

struct LabelText {
    int id;
    const TextSet& texts;
};

const LabelText kLabels[] = {
    {IDC_OUTPUT_LABEL, kConfigOutputLabel},
    {IDC_SUFFIX_LABEL, kConfigSuffixLabel},
    {IDC_DELETE_OFFER, kConfigDeleteOffer},
    {IDC_LANGUAGE_LABEL, kConfigLanguageLabel},
    {IDC_PROGRAM_LABEL, kConfigProgramLabel},
    {IDC_OUTPUT_BROWSE, kConfigBrowseOutput},
    {IDC_PROGRAM_BROWSE, kConfigBrowseProgram},
    {IDC_DEFAULTS, kConfigDefaults},
    {IDCANCEL, kConfigCancel},
};

// The notes hold example paths, which must not break across lines.
const LabelText kNotes[] = {
    {IDC_OUTPUT_NOTE, kConfigOutputNote},
    {IDC_SUFFIX_NOTE, kConfigSuffixNote},
    {IDC_TAKES_EFFECT, kConfigTakesEffect},
};

const FolderTexts kOutputTexts = {kOutputPathMost, kConfigOutputTooLong, kConfigOutputNotAnsi,
                                  kConfigOutputNotFull};
const FolderTexts kProgramTexts = {kProgramFolderMost, kConfigProgramTooLong, kConfigProgramNotAnsi,
                                   kConfigProgramNotFull};

// The bytes the field's text takes in the file, with the backslash a folder gets.
size_t StoredLength(int id, const std::wstring& text) {
    if (id == IDC_SUFFIX_EDIT) return AnsiLength(text);
    const std::wstring folder = TrimBlanks(text);
    const bool ended = folder.empty() || folder.back() == L'\\' || folder.back() == L'/';
    return AnsiLength(folder) + (ended ? 0 : 1);
}

bool FileExists(const std::string& ansiPath) {
    const DWORD attributes = GetFileAttributesA(ansiPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Starts the folder picker at the folder named in the field.
int CALLBACK StartPickerAt(HWND picker, UINT message, LPARAM, LPARAM folder) {
    if (message == BFFM_INITIALIZED && folder)
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CConfigDlg, CCompanionDlg)
    ON_CBN_SELCHANGE(IDC_LANGUAGE_LIST, OnLanguageChosen)
    ON_EN_CHANGE(IDC_OUTPUT_EDIT, OnOutputChanged)
    ON_EN_CHANGE(IDC_SUFFIX_EDIT, OnSuffixChanged)
    ON_EN_CHANGE(IDC_PROGRAM_EDIT, OnProgramChanged)
    ON_BN_CLICKED(IDC_OUTPUT_BROWSE, OnBrowseOutput)
    ON_BN_CLICKED(IDC_PROGRAM_BROWSE, OnBrowseProgram)
    ON_BN_CLICKED(IDC_DEFAULTS, OnDefaults)
END_MESSAGE_MAP()

CConfigDlg::CConfigDlg(const std::string& settingsPath)
    : CCompanionDlg(IDD_CONFIG, IDI_CONFIG_ICON), m_file(settingsPath) {}

BOOL CConfigDlg::OnInitDialog() {
    CCompanionDlg::OnInitDialog();
    m_reading = m_file.ReadForEditing();
    // A character takes a byte at least, so no field needs more characters
    // than the file has bytes for it; KeepWithinFile counts the bytes.
    SendDlgItemMessageW(m_hWnd, IDC_SUFFIX_EDIT, EM_LIMITTEXT, kSuffixMost, 0);
    SendDlgItemMessageW(m_hWnd, IDC_OUTPUT_EDIT, EM_LIMITTEXT, kOutputPathMost, 0);
    SendDlgItemMessageW(m_hWnd, IDC_PROGRAM_EDIT, EM_LIMITTEXT, kProgramFolderMost, 0);
    const SettingsRecord& record = m_reading.record;
    for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
        SendDlgItemMessageW(m_hWnd, IDC_LANGUAGE_LIST, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(kLanguageOwnNames[language]).c_str()));
    }
    // A file that could not be used leaves the program folder empty; this
    // program's own folder is where the main window has to look.
    std::string programFolder = Utf8FromAnsi(record.InstallDirectory());
    if (m_reading.state != SettingsState::Valid)
        programFolder = Utf8FromAnsi(RunningProgramFolder());
    ShowFields(Utf8FromAnsi(record.Suffix()), Utf8FromAnsi(record.OutputPath()),
               record.DeleteSource() == 1, record.LanguageIndex(), programFolder);
    ::ShowWindow(GetDlgItem(IDC_CONFIG_STATUS),
                 m_reading.state == SettingsState::Valid ? SW_HIDE : SW_SHOW);
    return TRUE;
}

std::string CConfigDlg::BandTitle() const { return Text(kConfigCaption, m_languageIndex); }

void CConfigDlg::ShowFields(const std::string& suffix, const std::string& outputPath,
                            bool offerDeletion, int languageIndex,
                            const std::string& programFolder) {
    SetFieldText(IDC_SUFFIX_EDIT, suffix);
    SetFieldText(IDC_OUTPUT_EDIT, outputPath);
    SetFieldText(IDC_PROGRAM_EDIT, programFolder);
    CheckDlgButton(m_hWnd, IDC_DELETE_OFFER, offerDeletion ? BST_CHECKED : BST_UNCHECKED);
    m_languageIndex = ValidLanguage(languageIndex);
    SendDlgItemMessageW(m_hWnd, IDC_LANGUAGE_LIST, CB_SETCURSEL,
                        static_cast<WPARAM>(m_languageIndex - 1), 0);
    ApplyTexts();
}

void CConfigDlg::ApplyTexts() {
    SetWindowText(Text(kConfigCaption, m_languageIndex));
    for (const LabelText& label : kLabels)
        SetFieldText(label.id, Text(label.texts, m_languageIndex));
    for (const LabelText& note : kNotes) SetWrappedText(note.id, Text(note.texts, m_languageIndex));
    const TextSet& status =
        m_reading.state == SettingsState::Missing ? kConfigFileMissing : kConfigFileInvalid;
    SetFieldText(IDC_CONFIG_STATUS, Text(status, m_languageIndex));
    ShowExample();
    Invalidate();
}

// The line shows what the main window's next run would make of the fields as
// they would be saved.
void CConfigDlg::ShowExample() {
    const std::string output = WithTrailingBackslash(
        WithBackslashes(Utf8FromWide(TrimBlanks(FieldText(IDC_OUTPUT_EDIT)))));
    const std::string suffix = Utf8FromWide(FieldText(IDC_SUFFIX_EDIT));
    const std::string folder = CollapseBackslashes(
        BuildOutputDirectory(output, suffix, DocumentName(kExampleDocument), kExampleFolder));
    SetWrappedText(IDC_EXAMPLE,
                   FormatText(Text(kConfigExample, m_languageIndex), {kExampleDocument, folder}));
}

void CConfigDlg::OnOutputChanged() {
    KeepWithinFile(IDC_OUTPUT_EDIT, kOutputPathMost);
    ShowExample();
}

void CConfigDlg::OnSuffixChanged() {
    KeepWithinFile(IDC_SUFFIX_EDIT, kSuffixMost);
    ShowExample();
}

void CConfigDlg::OnProgramChanged() { KeepWithinFile(IDC_PROGRAM_EDIT, kProgramFolderMost); }

// What the user types or pastes into the field is cut back to what the file
// can hold, the way a full field refuses keys: the characters taken are those
// just put in, before the caret. A folder picked with Browse, put in while the
// field is not being typed into, is kept whole (cut short it would name
// another folder), and OK says why it cannot be stored.
void CConfigDlg::KeepWithinFile(int id, size_t most) {
    HWND field = GetDlgItem(id);
    std::wstring text = FieldText(id);
    if (::GetFocus() != field || StoredLength(id, text) <= most) return;
    DWORD caret = 0;
    SendMessageW(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    caret = std::min<DWORD>(caret, static_cast<DWORD>(text.size()));
    const DWORD typedEnd = caret;
    while (caret > 0 && StoredLength(id, text) > most) text.erase(--caret, 1);
    if (caret == typedEnd) return;
    SetWindowTextW(field, text.c_str());
    SendMessageW(field, EM_SETSEL, caret, caret);
    MessageBeep(MB_OK);
}

void CConfigDlg::OnLanguageChosen() {
    const LRESULT chosen = SendDlgItemMessageW(m_hWnd, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR) return;
    m_languageIndex = static_cast<int>(chosen) + 1;
    ApplyTexts();
}

void CConfigDlg::OnDefaults() {
    const SettingsRecord defaults = SettingsRecord::Defaults();
    ShowFields(defaults.Suffix(), defaults.OutputPath(), false, m_languageIndex,
               Utf8FromAnsi(RunningProgramFolder()));
}

void CConfigDlg::SetFieldText(int id, const std::string& utf8) {
    SetWindowTextW(GetDlgItem(id), Widen(utf8).c_str());
}

int CConfigDlg::Refuse(int field, const std::string& message) {
    int answer = ShowMessage(message, MB_OK | MB_ICONEXCLAMATION);
    ::SetFocus(GetDlgItem(field));
    SendDlgItemMessageW(m_hWnd, field, EM_SETSEL, 0, -1);
    return answer;
}

std::optional<std::string> CConfigDlg::CheckedSuffix() {
    const std::optional<std::string> suffix = ExactAnsiFromWide(FieldText(IDC_SUFFIX_EDIT));
    if (!suffix) {
        Refuse(IDC_SUFFIX_EDIT, Text(kConfigSuffixNotAnsi, m_languageIndex));
        return std::nullopt;
    }
    if (suffix->size() > kSuffixMost) {
        Refuse(IDC_SUFFIX_EDIT, Text(kConfigSuffixTooLong, m_languageIndex));
        return std::nullopt;
    }
    if (EndsWithDotOrBlank(*suffix)) {
        Refuse(IDC_SUFFIX_EDIT, Text(kConfigSuffixEndsBadly, m_languageIndex));
        return std::nullopt;
    }
    if (char forbidden = ForbiddenFolderCharacter(*suffix)) {
        Refuse(IDC_SUFFIX_EDIT, FormatText(Text(kConfigSuffixBadCharacter, m_languageIndex),
                                           {Utf8FromAnsi(std::string(1, forbidden))}));
        return std::nullopt;
    }
    return suffix;
}

// The settings file stores ANSI text in a fixed field, and the trailing
// backslash counts towards it. A folder has to be named from its drive or
// share and be one Windows could make; the output folder may stay empty.
std::optional<std::string> CConfigDlg::CheckedFolder(int id, const FolderTexts& texts) {
    const std::optional<std::string> typed = ExactAnsiFromWide(TrimBlanks(FieldText(id)));
    if (!typed) {
        Refuse(id, Text(texts.notAnsi, m_languageIndex));
        return std::nullopt;
    }
    const std::string folder = WithTrailingBackslash(WithBackslashes(*typed));
    if (folder.size() > texts.most) {
        Refuse(id,
               FormatText(Text(texts.tooLong, m_languageIndex), {static_cast<int>(texts.most)}));
        return std::nullopt;
    }
    if (folder.empty() && id == IDC_OUTPUT_EDIT) return folder;
    if (!IsFullPath(folder)) {
        Refuse(id, Text(texts.notFull, m_languageIndex));
        return std::nullopt;
    }
    if (!RefusedAsImpossible(id, folder)) return folder;
    return std::nullopt;
}

bool CConfigDlg::RefusedAsImpossible(int id, const std::string& folder) {
    const FolderProblem problem = ProblemOfFolder(folder);
    const TextSet* message = nullptr;
    switch (problem.fault) {
    case FolderFault::None:
        return false;
    case FolderFault::Character:
        message = &kConfigFolderBadCharacter;
        break;
    case FolderFault::ReservedName:
        message = &kConfigFolderReservedName;
        break;
    case FolderFault::NoDrive:
        message = &kConfigFolderNoDrive;
        break;
    }
    Refuse(id, FormatText(Text(*message, m_languageIndex),
                          {Utf8FromAnsi(folder), Utf8FromAnsi(problem.culprit), problem.device}));
    return true;
}

// The main window starts the companions from this folder: one without them
// locks the user out of this very window, so it is saved only when asked to.
bool CConfigDlg::ProgramFolderAccepted(const std::string& folder) {
    if (FileExists(folder + "Pelloc.exe") && FileExists(folder + "Gandry.exe")) return true;
    const int answer = ShowMessage(
        FormatText(Text(kConfigProgramIncomplete, m_languageIndex), {Utf8FromAnsi(folder)}),
        MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION);
    if (answer == IDYES) return true;
    ::SetFocus(GetDlgItem(IDC_PROGRAM_EDIT));
    SendDlgItemMessageW(m_hWnd, IDC_PROGRAM_EDIT, EM_SETSEL, 0, -1);
    return false;
}

// The main window creates only the last level of its output directory, so
// the folder the user names here has to exist.
bool CConfigDlg::OutputFolderReady(const std::string& folder) {
    if (folder.empty() || FolderExists(folder)) return true;
    const std::string shown = Utf8FromAnsi(folder);
    if (ShowMessage(FormatText(Text(kConfigCreateOutput, m_languageIndex), {shown}),
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (CreateFolderWithParents(folder)) return true;
    Refuse(IDC_OUTPUT_EDIT, FormatText(Text(kConfigCreateFailed, m_languageIndex), {shown}));
    return false;
}

// Only the fields the user changed are written into the record that was read,
// so every other byte (filler behind a text, flags this program does not
// show, a language value it does not know) goes back to the file unchanged.
std::optional<SettingsRecord> CConfigDlg::EditedRecord() {
    const std::optional<std::string> suffix = CheckedSuffix();
    if (!suffix) return std::nullopt;
    const std::optional<std::string> output = CheckedFolder(IDC_OUTPUT_EDIT, kOutputTexts);
    if (!output) return std::nullopt;
    const std::optional<std::string> program = CheckedFolder(IDC_PROGRAM_EDIT, kProgramTexts);
    if (!program || !ProgramFolderAccepted(*program) || !OutputFolderReady(*output))
        return std::nullopt;

    SettingsRecord record = m_reading.record;
    if (*suffix != record.Suffix()) record.SetSuffix(*suffix);
    if (*output != record.OutputPath()) record.SetOutputPath(*output);
    if (*program != record.InstallDirectory()) record.SetInstallDirectory(*program);
    const bool offerDeletion = IsDlgButtonChecked(m_hWnd, IDC_DELETE_OFFER) == BST_CHECKED;
    if (offerDeletion != (record.DeleteSource() == 1))
        record.SetDeleteSource(offerDeletion ? 1 : 0);
    if (m_languageIndex != record.LanguageIndex()) record.SetLanguageIndex(m_languageIndex);
    return record;
}

void CConfigDlg::OnOK() {
    const std::optional<SettingsRecord> record = EditedRecord();
    if (!record) return;
    if (!m_file.SaveRecordSafely(*record)) {
        ShowMessage(
            FormatText(Text(kConfigSaveFailed, m_languageIndex), {Utf8FromAnsi(m_file.Path())}),
            MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

void CConfigDlg::OnBrowseOutput() { BrowseInto(IDC_OUTPUT_EDIT, kConfigPickOutput); }

void CConfigDlg::OnBrowseProgram() { BrowseInto(IDC_PROGRAM_EDIT, kConfigPickProgram); }

void CConfigDlg::BrowseInto(int field, const TextSet& title) {
    const std::wstring prompt = Widen(Text(title, m_languageIndex));
    const std::optional<std::string> named = ExactAnsiFromWide(TrimBlanks(FieldText(field)));
    std::wstring start;
    if (named && !named->empty() && FolderExists(WithBackslashes(*named))) {
        // The picker names folders without their last backslash, but for a drive's.
        std::string folder = WithBackslashes(*named);
        if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
        start = WidenAnsi(folder);
    }
    BROWSEINFOW browse{};
    browse.lpfn = StartPickerAt;
    browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    browse.hwndOwner = m_hWnd;
    browse.lpszTitle = prompt.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return;
    wchar_t folder[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, folder)) SetWindowTextW(GetDlgItem(field), folder);
    CoTaskMemFree(chosen);
}
