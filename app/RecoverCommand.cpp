// RecoverCommand.cpp - the main window's recovery run on the selected document
#include "app/CRecoveryDlg.h"

#include <windows.h>

#include "framework/Module.h"
#include "framework/SystemPaths.h"
#include "framework/Text.h"
#include "lang/Credits.h"
#include "lang/Texts.h"
#include "recovery/FileAccess.h"
#include "recovery/RunPaths.h"

namespace {

std::optional<uint64_t> FileLength(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool StartsWithDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace

void CRecoveryDlg::OnRecover() {
    const int row = m_documentList.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        ShowMessage(kMsgNoSelection);
        return;
    }
    std::string documentPath = m_documentList.GetItemText(row, 0);
    const SettingsRecord settings = m_settings->LoadSettings();
    // The settings file keeps its texts in the ANSI code page; the run works in UTF-8.
    std::string outputDirectory =
        BuildOutputDirectory(Utf8FromAnsi(settings.OutputPath()), Utf8FromAnsi(settings.Suffix()),
                             DocumentName(documentPath), CurrentDirectory());
    documentPath = CollapseBackslashes(documentPath);
    outputDirectory = CollapseBackslashes(outputDirectory);
    if (!HasRoomForPictures(documentPath, outputDirectory)) {
        ShowMessage(kMsgDiskFull);
        return;
    }

    m_pictureCount = 0;
    m_outputDirectory.clear();
    m_runAborted = false;
    const ScanResult result = ExtractPictures(documentPath, outputDirectory);
    ReportRun(result);
    // Only a scan that saved every picture it found may cost the document: a
    // taken picture name (m_runAborted) and a stop do not count as complete.
    if (settings.DeleteSource() == 1 && m_pictureCount > 0 && result.completed)
        OfferSourceDeletion(documentPath);
}

ScanResult CRecoveryDlg::ExtractPictures(const std::string& documentPath,
                                         const std::string& outputDirectory) {
    RecoveryRun run(*this, Disk(), m_languageIndex, documentPath, outputDirectory);
    m_run = &run;
    const ScanResult result = run.Execute();
    m_run = nullptr;
    m_pictureCount = result.pictureCount;
    m_outputDirectory = result.outputDirectory;
    m_runAborted = result.runAborted;
    return result;
}

bool CRecoveryDlg::FilterCommandDuringRun(WPARAM wParam, LPARAM, LRESULT*) {
    if (!m_run) return false;
    if (LOWORD(wParam) == IDCANCEL) m_run->AskToStop();
    return true;
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

std::optional<uint64_t> CRecoveryDlg::FreeBytesFor(const std::string& directory) const {
    if (!StartsWithDriveLetter(directory)) return std::nullopt;
    const std::wstring root = Widen(directory.substr(0, 2) + "\\");
    ULARGE_INTEGER availableToCaller;
    ULARGE_INTEGER total;
    ULARGE_INTEGER totalFree;
    if (!GetDiskFreeSpaceExW(root.c_str(), &availableToCaller, &total, &totalFree))
        return std::nullopt;
    return totalFree.QuadPart;
}

// A drive the system cannot measure is not held against the run: the scanner
// still reports every write that fails.
bool CRecoveryDlg::HasRoomForPictures(const std::string& documentPath,
                                      const std::string& outputDirectory) const {
    const std::optional<uint64_t> freeBytes = FreeBytesFor(outputDirectory);
    if (!freeBytes) return true;
    return HasRoomFor(*freeBytes, FileLength(documentPath).value_or(0));
}

void CRecoveryDlg::ReportRun(const ScanResult& result) {
    if (m_pictureCount == 0) {
        ShowMessage(result.stopped ? kRunStoppedNone : kRunResultNone);
        return;
    }
    const TextSet& pattern = result.stopped ? kRunStoppedStored : kRunResultStored;
    const std::string report =
        FormatText(Text(pattern, m_languageIndex), {m_pictureCount, m_outputDirectory});
    MessageBox(report.c_str(), kProductName, MB_OK);
}

// The first question carries the program's file name as its caption, the
// second the product name. The row stays in the list either way.
void CRecoveryDlg::OfferSourceDeletion(const std::string& documentPath) {
    const std::string first =
        FormatText(Text(kSourceDeleteConfirmFirst, m_languageIndex), {documentPath});
    if (Ask(first, AfxGetAppName()) != IDYES) return;
    if (Ask(Text(kSourceDeleteConfirmSecond, m_languageIndex), kProductName) != IDYES) return;
    RemoveFile(documentPath);
}

int CRecoveryDlg::Ask(const std::string& utf8Question, const char* utf8Caption) {
    return MessageBox(utf8Question.c_str(), utf8Caption, MB_YESNO);
}
