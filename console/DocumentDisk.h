// DocumentDisk.h: the real file system as velmo-extract scans it, opening a
// document only when it is something that can be read to its end.
#pragma once

#include "recovery/PictureFiles.h"

class FolderReader;

// What may be scanned besides a regular file. A batch takes regular files
// only: an entry of a walk may have been replaced by a FIFO or a device since
// it was looked at. The single-document form also reads a pipe it is given.
enum class DocumentKinds { Files, FilesAndPipes };

class DocumentDisk : public PictureFiles {
public:
    explicit DocumentDisk(DocumentKinds kinds) : m_kinds(kinds) {}

    // Never waits to open: a FIFO without a writer, or a device, is looked at
    // through the opened descriptor before anything is read. Anything else
    // than the kinds given is refused (nullptr).
    std::FILE* OpenDocument(const std::string& path) override;

private:
    DocumentKinds m_kinds;
};

// Why OpenDocument gave nothing for the path, in words a script's reader can
// act on: what the path names when that is no document, else the system's
// error. error is errno as the opening left it.
std::string OpenFailure(const std::string& path, int error, FolderReader& folders);
