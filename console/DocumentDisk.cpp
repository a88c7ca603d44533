// DocumentDisk.cpp
#include "console/DocumentDisk.h"

#include "console/DocumentWalk.h"
#include "recovery/FileAccess.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

std::FILE* DocumentDisk::OpenDocument(const std::string& path) {
    // Opening a device or a pipe never waits on Windows; only reading it would.
    std::FILE* document = OpenFile(path, "rb");
    if (document == nullptr) return nullptr;
    DWORD type = GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(document))));
    if (type != FILE_TYPE_DISK &&
        !(type == FILE_TYPE_PIPE && m_kinds == DocumentKinds::FilesAndPipes)) {
        std::fclose(document);
        errno = ENODEV;
        return nullptr;
    }
    return ReadyDocument(document);
}

#else

namespace {

bool IsSameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A FIFO opened without waiting reads as empty until a writer comes, so it
// is opened again the usual way, which waits for one as any reader does. It
// must still be the FIFO that was looked at. The first descriptor is closed
// only then: a writer that came meanwhile must always find a reader.
int OpenPipeAgain(const std::string& path, int first, const struct stat& seen) {
    int descriptor = open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    struct stat now;
    if (descriptor >= 0 && (fstat(descriptor, &now) != 0 || !IsSameFile(now, seen))) {
        close(descriptor);
        descriptor = -1;
        errno = ENXIO;
    }
    int error = errno;
    close(first);
    errno = error;
    return descriptor;
}

}  // namespace

std::FILE* DocumentDisk::OpenDocument(const std::string& path) {
    // O_NONBLOCK: a FIFO without a writer would block the open itself.
    int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat seen;
    bool isFile = fstat(descriptor, &seen) == 0 && S_ISREG(seen.st_mode);
    bool isPipe = !isFile && S_ISFIFO(seen.st_mode) && m_kinds == DocumentKinds::FilesAndPipes;
    if (isFile) {
        fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    } else if (isPipe) {
        descriptor = OpenPipeAgain(path, descriptor, seen);
        if (descriptor < 0) return nullptr;
    } else {
        close(descriptor);
        errno = S_ISDIR(seen.st_mode) ? EISDIR : ENODEV;
        return nullptr;
    }
    std::FILE* document = fdopen(descriptor, "rb");
    if (document == nullptr) {
        close(descriptor);
        return nullptr;
    }
    return ReadyDocument(document);
}

#endif

std::string OpenFailure(const std::string& path, int error, FolderReader& folders) {
    switch (folders.Examine(path, true).type) {
    case EntryType::Folder:
        return "a folder, not a document";
    case EntryType::Device:
        return "a device, not a document";
    case EntryType::Pipe:
        return "a pipe, not a regular file";
    case EntryType::Other:
        return "not a regular file";
    default:
        // What the system cannot look at, as Windows' devices, is told by the refusal.
        if (error == ENODEV) return "a device, not a document";
        return "cannot open the document (" + std::generic_category().message(error) + ")";
    }
}
