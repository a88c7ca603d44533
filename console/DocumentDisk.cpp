// DocumentDisk.cpp
#include "console/DocumentDisk.h"

#include "console/DocumentWalk.h"
#include "recovery/bytes/ByteSource.h"
#include "base/FileAccess.h"
#include "recovery/scan/ScanReport.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

std::unique_ptr<ByteSource> DocumentDisk::OpenDocument(const std::string& path) {
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
    return DocumentFrom(document);
}

#else

namespace {

// A FIFO opened without waiting reads as empty until a writer comes: the scan
// waits, as a reader that opened it the usual way would, until a writer has
// written or has come and gone. A pipe whose writer is gone does not wait.
void WaitForWriter(int descriptor) {
    pollfd waiting{descriptor, POLLIN, 0};
    while (poll(&waiting, 1, -1) < 0 && errno == EINTR) {
    }
}

}  // namespace

std::unique_ptr<ByteSource> DocumentDisk::OpenDocument(const std::string& path) {
    // O_NONBLOCK: a FIFO without a writer would block the open itself.
    int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat seen {};
    bool isFile = fstat(descriptor, &seen) == 0 && S_ISREG(seen.st_mode);
    bool isPipe = !isFile && S_ISFIFO(seen.st_mode) && m_kinds == DocumentKinds::FilesAndPipes;
    if (!isFile && !isPipe) {
        close(descriptor);
        errno = S_ISDIR(seen.st_mode) ? EISDIR : ENODEV;
        return nullptr;
    }
    if (isPipe) WaitForWriter(descriptor);
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    std::FILE* document = fdopen(descriptor, "rb");
    if (document == nullptr) {
        close(descriptor);
        return nullptr;
    }
    return DocumentFrom(document);
}

#endif

namespace {

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

}  // namespace

std::string FailureText(const ScanFailure& failure, FolderReader& folders) {
    const std::string because = " (" + failure.reason + ")";
    switch (failure.cause) {
    case ScanFailure::Cause::Open:
        return OpenFailure(failure.path, failure.systemError, folders);
    case ScanFailure::Cause::MakeFolder:
        return "cannot make the output folder " + failure.path + because;
    case ScanFailure::Cause::CreatePicture:
        return "cannot create " + failure.path + because;
    case ScanFailure::Cause::Write:
        return failure.reason.empty() ? "" : "cannot write " + failure.path + because;
    default:
        return "";
    }
}
