// RecoverCommand.cpp
#include "app/RecoverCommand.h"

#include <windows.h>

#include "app/RecoveryRun.h"
#include "framework/Module.h"
#include "framework/SystemPaths.h"
#include "framework/Text.h"
#include "lang/Credits.h"
#include "lang/Texts.h"
#include "base/FileAccess.h"
#include "base/RunPaths.h"

namespace {

std::optional<uint64_t> FileLength(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The folder itself when it is there, else the nearest folder above it that
// is: the run makes the last level, and a folder may be another volume
// mounted into this one. With a backslash at its end, as a share's root needs.
std::wstring NearestExistingFolder(const std::string& directory) {
    std::wstring folder = SystemPath(directory);
    while (!folder.empty()) {
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return folder.back() == L'\\' ? folder : folder + L'\\';
        const size_t separator = folder.find_last_of(L"\\/", folder.size() - 2);
        // Never up to bare separators: "\\" alone would be the current drive.
        if (separator == std::wstring::npos || folder.find_first_not_of(L"\\/") > separator) break;
        folder.resize(separator + 1);
    }
    return std::wstring();
}

}  // namespace

std::optional<uint64_t> FreeBytesOfVolume(const std::string& directory) {
    const std::wstring folder = NearestExistingFolder(directory);
    if (folder.empty()) return std::nullopt;
    ULARGE_INTEGER availableToCaller;
    ULARGE_INTEGER total;
    ULARGE_INTEGER totalFree;
    if (!GetDiskFreeSpaceExW(folder.c_str(), &availableToCaller, &total, &totalFree))
        return std::nullopt;
    return totalFree.QuadPart;
}

RecoverCommand::RecoverCommand(RunWindow& window, const int& languageIndex)
    : m_window(window), m_languageIndex(languageIndex) {}

std::optional<ScanResult> RecoverCommand::Execute(const std::string& documentPath,
                                                  const SettingsRecord& settings) {
    // The settings file keeps its texts in the ANSI code page; the run works in UTF-8.
    const std::string outputDirectory = CollapseBackslashes(
        BuildOutputDirectory(Utf8FromAnsi(settings.OutputPath()), Utf8FromAnsi(settings.Suffix()),
                             DocumentName(documentPath), CurrentDirectory()));
    const std::string document = CollapseBackslashes(documentPath);
    if (!HasRoomForPictures(document, outputDirectory)) {
        m_window.Tell(Text(kMsgDiskFull, m_languageIndex));
        return std::nullopt;
    }
    const ScanResult result = Run(document, outputDirectory);
    Report(result);
    // Only a scan that saved every picture it found may cost the document: a
    // taken picture name (runAborted) and a stop do not count as complete.
    if (settings.DeleteSource() == 1 && result.pictureCount > 0 && result.completed)
        OfferDeletion(document);
    return result;
}

void RecoverCommand::AskToStop() {
    if (m_run) m_run->AskToStop();
}

// A drive the system cannot measure is not held against the run: the scanner
// still reports every write that fails.
bool RecoverCommand::HasRoomForPictures(const std::string& documentPath,
                                        const std::string& outputDirectory) const {
    const std::optional<uint64_t> freeBytes = FreeBytesFor(outputDirectory);
    if (!freeBytes) return true;
    return HasRoomFor(*freeBytes, FileLength(documentPath).value_or(0));
}

ScanResult RecoverCommand::Run(const std::string& documentPath,
                               const std::string& outputDirectory) {
    RecoveryRun run(m_window, Disk(), m_languageIndex, documentPath, outputDirectory);
    m_run = &run;
    const ScanResult result = run.Execute();
    m_run = nullptr;
    return result;
}

void RecoverCommand::Report(const ScanResult& result) {
    if (result.pictureCount == 0) {
        m_window.Tell(Text(result.stoppedOnRequest ? kRunStoppedNone : kRunResultNone, m_languageIndex));
        return;
    }
    const TextSet& pattern = result.stoppedOnRequest ? kRunStoppedStored : kRunResultStored;
    m_window.Tell(
        FormatText(Text(pattern, m_languageIndex), {result.pictureCount, result.outputDirectory}));
}

// The first question carries the program's file name as its caption, the
// second the product name. The row stays in the list either way.
void RecoverCommand::OfferDeletion(const std::string& documentPath) {
    const std::string first =
        FormatText(Text(kSourceDeleteConfirmFirst, m_languageIndex), {documentPath});
    if (m_window.Ask(first, AfxGetAppName()) != IDYES) return;
    if (m_window.Ask(Text(kSourceDeleteConfirmSecond, m_languageIndex), kProductName) != IDYES)
        return;
    RemoveFile(documentPath);
}
