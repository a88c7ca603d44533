// RecoveryRun.cpp
#include "app/RecoveryRun.h"

#include <windows.h>

#include "app/FolderWatchDisk.h"
#include "lang/Credits.h"
#include "lang/ScanMessageTexts.h"
#include "lang/Texts.h"

RecoveryRun::RecoveryRun(RunWindow& window, ScanDisk& disk, int languageIndex,
                         std::string documentPath, std::string outputDirectory)
    : m_window(window),
      m_disk(disk),
      m_languageIndex(languageIndex),
      m_documentPath(std::move(documentPath)),
      m_outputDirectory(std::move(outputDirectory)) {}

ScanResult RecoveryRun::Execute() {
    m_start = Clock::now();
    m_stopRequested = false;
    m_message.reset();
    m_window.EnableCommands(false);
    FolderWatchDisk disk(m_disk);
    PictureScanner scanner(disk, *this);
    ScanResult result;
    try {
        result = scanner.Scan(m_documentPath, m_outputDirectory);
    } catch (...) {
        result = scanner.Result();
        result.completed = false;
        result.failure = ScanFailure();
        m_message = ScanMessage::ReadError;
    }
    HideProgress();
    if (m_message) TellFailure(disk.Explained(result.failure));
    m_window.EnableCommands(true);
    return result;
}

void RecoveryRun::TellFailure(const ScanFailure& failure) {
    m_window.Tell(ScanFailureText(*m_message, failure, m_languageIndex));
}

// While the question is open the scan waits in it; a second Escape meanwhile
// asks nothing more.
void RecoveryRun::AskToStop() {
    if (m_asking || m_stopRequested) return;
    m_asking = true;
    const int answer = m_window.Ask(Text(kAskStopRun, m_languageIndex), kProductName);
    m_asking = false;
    m_stopRequested = answer == IDYES;
}

void RecoveryRun::ReportProgress(uint64_t done, uint64_t total) {
    if (m_progressShown || Clock::now() - m_start >= kProgressDelay) ShowProgress(done, total);
    m_window.LetWaitingMessagesThrough();
}

// A document of unknown length keeps the bar where it is.
void RecoveryRun::ShowProgress(uint64_t done, uint64_t total) {
    if (!m_progressShown) {
        m_window.ShowProgress();
        m_progressShown = true;
    }
    if (total > 0) m_window.MoveProgress(static_cast<int>(done * kProgressSteps / total));
}

void RecoveryRun::HideProgress() {
    if (!m_progressShown) return;
    m_window.HideProgress();
    m_progressShown = false;
}
