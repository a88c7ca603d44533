// DocumentFiles.cpp
#include "console/DocumentFiles.h"

#include "console/DocumentDisk.h"
#include "recovery/PictureFile.h"

#include <cerrno>
#include <limits>
#include <system_error>

namespace {

std::string ErrnoText(int error) { return std::generic_category().message(error); }

}  // namespace

DocumentFiles::DocumentFiles(PictureFiles& disk, FolderReader& folders, OutputFolderUse use)
    : m_disk(disk), m_folders(folders), m_use(use) {}

std::FILE* DocumentFiles::OpenDocument(const std::string& path) {
    std::FILE* document = m_disk.OpenDocument(path);
    if (document == nullptr) {
        Note(OpenFailure(path, errno, m_folders));
        m_openFailed = true;
    }
    return document;
}

uint64_t DocumentFiles::DocumentLength(std::FILE* document) {
    uint64_t length = m_disk.DocumentLength(document);
    if (length != std::numeric_limits<uint64_t>::max()) m_documentBytes = length;
    return length;
}

bool DocumentFiles::SeekDocument(std::FILE* document, uint64_t offset) {
    return m_disk.SeekDocument(document, offset);
}

size_t DocumentFiles::ReadDocument(std::FILE* document, void* into, size_t size) {
    return m_disk.ReadDocument(document, into, size);
}

bool DocumentFiles::MakeDirectory(const std::string& path) {
    m_folderMade = m_disk.MakeDirectory(path);
    int error = errno;
    // A folder that is there is no failure where the scan may use it.
    bool usable = m_use == OutputFolderUse::AnyFolder && error == EEXIST;
    if (!m_folderMade && !usable)
        Note("cannot make the output folder " + path + " (" + ErrnoText(error) + ")");
    return m_folderMade;
}

bool DocumentFiles::Exists(const std::string& path) { return m_disk.Exists(path); }

std::unique_ptr<PictureFile> DocumentFiles::CreatePicture(const std::string& path) {
    // Picture files are refused in a folder the scan did not make itself.
    if (!m_folderMade && m_use == OutputFolderUse::MadeByTheScan) return nullptr;
    std::unique_ptr<PictureFile> picture = m_disk.CreatePicture(path);
    if (picture)
        ++m_picturesCreated;
    else
        Note("cannot create " + path + " (" + ErrnoText(errno) + ")");
    return picture;
}

void DocumentFiles::Note(const std::string& failure) {
    if (m_failure.empty()) m_failure = failure;
}
