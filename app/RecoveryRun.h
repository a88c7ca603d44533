// RecoveryRun.h - the scan of one recovery run, carried out in the main
// window: its progress shown, its stop asked for, its result returned
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "recovery/scan/PictureScanner.h"

class ScanDisk;

// What a run needs of the window it runs in.
class RunWindow {
public:
    virtual ~RunWindow() = default;
    // A message box owned by the window and captioned with the product name;
    // the text is in the window's language already.
    virtual void Tell(const std::string& utf8Text) = 0;
    // A yes/no question owned by the window; the button pressed.
    virtual int Ask(const std::string& utf8Question, const char* utf8Caption) = 0;
    // Turns the window's commands off for the run, and on again after it.
    virtual void EnableCommands(bool enable) = 0;
    // Runs the window's waiting messages and returns: it draws itself and
    // hears Escape and the close box.
    virtual void LetWaitingMessagesThrough() = 0;
    // The progress bar: shown at 0, moved to a step from 0 to
    // RecoveryRun::kProgressSteps, hidden and put back to 0.
    virtual void ShowProgress() = 0;
    virtual void MoveProgress(int step) = 0;
    virtual void HideProgress() = 0;
};

// The run stays on the window's thread: between blocks of the document it
// lets the window's waiting messages through, so the window keeps drawing
// itself and hears Escape and the close box. Once the run has taken longer
// than kProgressDelay, the progress bar shows how far it is.
class RecoveryRun : private ScanReporter {
public:
    static constexpr std::chrono::milliseconds kProgressDelay{500};
    // The progress bar's range is 0 to this.
    static constexpr int kProgressSteps = 10;

    RecoveryRun(RunWindow& window, ScanDisk& disk, int languageIndex, std::string documentPath,
                std::string outputDirectory);

    // Scans the document into the output directory (UTF-8 paths) and returns
    // once the scan has ended, the window as it was before. Whatever the scan
    // throws ends it as a read error does: the pictures written stay.
    ScanResult Execute();
    // Escape or the close box during the run: asks whether to stop. On Yes the
    // scan ends after the picture it is writing.
    void AskToStop();

private:
    using Clock = std::chrono::steady_clock;

    // Kept until the scan has ended, when the result says what failed and why.
    void ReportScanMessage(ScanMessage message) override { m_message = message; }
    void ReportProgress(uint64_t done, uint64_t total) override;
    bool StopRequested() override { return m_stopRequested; }
    void ShowProgress(uint64_t done, uint64_t total);
    void HideProgress();
    void TellFailure(const ScanFailure& failure);

    RunWindow& m_window;
    ScanDisk& m_disk;
    int m_languageIndex;
    std::string m_documentPath;
    std::string m_outputDirectory;
    Clock::time_point m_start;
    bool m_progressShown = false;
    bool m_asking = false;
    bool m_stopRequested = false;
    std::optional<ScanMessage> m_message;  // the scan's failure, if any
};
