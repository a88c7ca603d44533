// RecoverCommand.h - the main window's recovery command on one document: its
// output folder from the settings, the room on that volume, the run, the
// report and the offer to delete the document
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "recovery/disk/ScanDisk.h"
#include "recovery/scan/PictureScanner.h"
#include "settings/SettingsRecord.h"

class RecoveryRun;
class RunWindow;

// The free bytes of the volume that holds the directory (or, while it is not
// made yet, its nearest folder that is), as the system counts them; none when
// it cannot tell (a share that cannot be reached, say).
std::optional<uint64_t> FreeBytesOfVolume(const std::string& directory);

class RecoverCommand {
public:
    // `window` shows the run and its messages; `languageIndex` is the main
    // window's current language, read each time a text is shown.
    RecoverCommand(RunWindow& window, const int& languageIndex);
    virtual ~RecoverCommand() = default;
    RecoverCommand(const RecoverCommand&) = delete;
    RecoverCommand& operator=(const RecoverCommand&) = delete;

    // Recovers the pictures of the document (UTF-8 path) into the folder the
    // settings give, reports the result and, when the settings ask for it,
    // offers to delete the document. Returns the run's result; none when the
    // volume has no room for the pictures and nothing was run.
    std::optional<ScanResult> Execute(const std::string& documentPath,
                                      const SettingsRecord& settings);

    bool Running() const { return m_run != nullptr; }
    // Escape or the close box during the run: asks whether to stop.
    void AskToStop();

protected:
    // The free bytes of the volume that holds the directory.
    virtual std::optional<uint64_t> FreeBytesFor(const std::string& directory) const {
        return FreeBytesOfVolume(directory);
    }
    // The files a run reads and writes.
    virtual ScanDisk& Disk() { return m_disk; }

private:
    bool HasRoomForPictures(const std::string& documentPath,
                            const std::string& outputDirectory) const;
    ScanResult Run(const std::string& documentPath, const std::string& outputDirectory);
    void Report(const ScanResult& result);
    void OfferDeletion(const std::string& documentPath);

    RunWindow& m_window;
    const int& m_languageIndex;
    ScanDisk m_disk;
    RecoveryRun* m_run = nullptr;  // the run going on, if any
};
