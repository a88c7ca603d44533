// ScanDisk.cpp
#include "recovery/disk/ScanDisk.h"

#include "base/FileAccess.h"
#include "recovery/bytes/FileSource.h"
#include "recovery/disk/PictureFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// A folder opens for reading here, as it does not on Windows, and fails at
// the first read: it is no document.
bool IsFolder(std::FILE* document) {
    struct stat status;
    return fstat(fileno(document), &status) == 0 && S_ISDIR(status.st_mode);
}

bool CanSeek(std::FILE* document) {
    struct stat status;
    return fstat(fileno(document), &status) == 0 &&
           (S_ISREG(status.st_mode) || lseek(fileno(document), 0, SEEK_CUR) != -1);
}

// Copies a stream into a temporary file, removed when it is closed; nullptr
// when that fails.
std::FILE* Spool(std::FILE* stream) {
    std::FILE* spool = std::tmpfile();
    if (spool == nullptr) return nullptr;
    std::setvbuf(spool, nullptr, _IONBF, 0);
    std::vector<char> block(1 << 20);
    size_t got;
    bool copied = true;
    while (copied && (got = std::fread(block.data(), 1, block.size(), stream)) > 0)
        copied = std::fwrite(block.data(), 1, got, spool) == got;
    if (!copied || std::ferror(stream) != 0 || std::fseek(spool, 0, SEEK_SET) != 0) {
        std::fclose(spool);
        return nullptr;
    }
    return spool;
}
#endif

}  // namespace

std::unique_ptr<ByteSource> ScanDisk::OpenDocument(const std::string& path) {
    std::FILE* document = OpenFile(path, "rb");
    if (document == nullptr) return nullptr;
    return DocumentFrom(document);
}

std::unique_ptr<ByteSource> ScanDisk::DocumentFrom(std::FILE* document) {
#ifndef _WIN32
    if (IsFolder(document)) {
        std::fclose(document);
        errno = EISDIR;
        return nullptr;
    }
    // A pipe cannot be read twice nor tell its length, but a picture whose
    // structure breaks is read again from where it broke, and the walks test
    // lengths against the document's: a pipe is kept whole in a temporary
    // file, so that it gives the pictures the same bytes in a file would.
    if (!CanSeek(document)) {
        std::FILE* spool = Spool(document);
        std::fclose(document);
        if (spool == nullptr) return nullptr;
        document = spool;
    }
#endif
    return std::make_unique<FileSource>(document);
}

bool ScanDisk::MakeDirectory(const std::string& path) { return ::MakeDirectory(path); }

bool ScanDisk::Exists(const std::string& path) { return PathExists(path); }

std::unique_ptr<PictureFile> ScanDisk::CreatePicture(const std::string& path) {
    auto picture = std::make_unique<PictureFile>(path);
    if (!picture->Create()) return nullptr;
    return picture;
}
