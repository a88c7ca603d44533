// FolderWatchDisk.cpp
#include "app/FolderWatchDisk.h"

#include <cerrno>
#include <system_error>

#include "recovery/bytes/ByteSource.h"
#include "recovery/disk/PictureFile.h"

std::unique_ptr<ByteSource> FolderWatchDisk::OpenDocument(const std::string& path) {
    return m_disk.OpenDocument(path);
}

std::unique_ptr<PictureFile> FolderWatchDisk::CreatePicture(const std::string& path) {
    return m_disk.CreatePicture(path);
}

bool FolderWatchDisk::MakeDirectory(const std::string& path) {
    const bool made = m_disk.MakeDirectory(path);
    const int error = errno;
    // A folder that is there already is used as it is.
    if (!made && error != EEXIST) {
        m_folder = path;
        m_folderError = error;
    }
    errno = error;
    return made;
}

ScanFailure FolderWatchDisk::Explained(const ScanFailure& failure) const {
    if (failure.cause != ScanFailure::Cause::CreatePicture || m_folderError == 0) return failure;
    ScanFailure folder;
    folder.cause = ScanFailure::Cause::MakeFolder;
    folder.path = m_folder;
    folder.systemError = m_folderError;
    folder.reason = std::generic_category().message(m_folderError);
    return folder;
}
