// DocumentFiles.cpp
#include "console/DocumentFiles.h"

#include "console/DocumentDisk.h"
#include "recovery/FileAccess.h"
#include "recovery/PictureFile.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <system_error>

namespace {

std::string ErrnoText(int error) { return std::generic_category().message(error); }

// A picture the scan leaves unfinished, when something it did not expect
// stops it, is removed as the scanner removes one it cannot finish: only
// whole pictures stay.
class GuardedPicture : public PictureFile {
public:
    explicit GuardedPicture(std::unique_ptr<PictureFile> picture)
        : PictureFile(picture->Path()), m_picture(std::move(picture)) {}

    ~GuardedPicture() override {
        if (m_closed) return;
        m_picture.reset();
        RemoveFile(m_path);
    }

    bool Write(const uint8_t* data, size_t size) override { return m_picture->Write(data, size); }
    bool Close() override {
        m_closed = true;
        return m_picture->Close();
    }

private:
    std::unique_ptr<PictureFile> m_picture;
    bool m_closed = false;
};

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
    if (!picture) {
        Note("cannot create " + path + " (" + ErrnoText(errno) + ")");
        return nullptr;
    }
    m_pictures.push_back(path);
    return std::make_unique<GuardedPicture>(std::move(picture));
}

int DocumentFiles::PicturesKept() {
    return static_cast<int>(
        std::count_if(m_pictures.begin(), m_pictures.end(),
                      [this](const std::string& path) { return Exists(path); }));
}

void DocumentFiles::Note(const std::string& failure) {
    if (m_failure.empty()) m_failure = failure;
}
