// RecoveryRun.cpp
#include "app/RecoveryRun.h"

#include <windows.h>

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
    m_window.EnableCommands(false);
    PictureScanner scanner(m_disk, *this);
    ScanResult result;
    try {
        result = scanner.Scan(m_documentPath, m_outputDirectory);
    } catch (...) {
        result = scanner.Result();
        result.completed = false;
        ReportScanMessage(ScanMessage::ReadError);
    }
    HideProgress();
    m_window.EnableCommands(true);
    return result;
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

void RecoveryRun::ReportScanMessage(ScanMessage message) {
    m_window.Tell(Text(ScanMessageTexts(message), m_languageIndex));
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
