// FolderWatchDisk.h - the disk of a recovery run, which keeps why the output
// folder could not be made
#pragma once

#include <memory>
#include <string>

#include "recovery/disk/ScanDisk.h"
#include "recovery/scan/ScanReport.h"

// Passes every call on to another disk. The scan goes on when the output
// folder cannot be made, and the picture that then fails names only itself;
// the folder's own failure, kept here, tells the user what really went wrong.
class FolderWatchDisk : public ScanDisk {
public:
    explicit FolderWatchDisk(ScanDisk& disk) : m_disk(disk) {}

    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool Exists(const std::string& path) override { return m_disk.Exists(path); }
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override;

    // The failure as the user should hear of it: a picture that could not be
    // created in a folder that could not be made is the folder's failure.
    ScanFailure Explained(const ScanFailure& failure) const;

private:
    ScanDisk& m_disk;
    std::string m_folder;   // the folder that could not be made, if any
    int m_folderError = 0;  // errno as making it left it
};
