// DocumentDisk.h: the real file system as velmo-extract scans it, opening a
// document only when it is something that can be read to its end.
#pragma once

#include "recovery/disk/ScanDisk.h"

#include <string>

class FolderReader;
struct ScanFailure;

// What may be scanned besides a regular file. A batch takes regular files
// only: an entry of a walk may have been replaced by a FIFO or a device since
// it was looked at. The single-document form also reads a pipe it is given.
enum class DocumentKinds { Files, FilesAndPipes };

class DocumentDisk : public ScanDisk {
public:
    explicit DocumentDisk(DocumentKinds kinds) : m_kinds(kinds) {}

    // Never waits to open: a FIFO without a writer, or a device, is looked at
    // through the opened descriptor before anything is read. Anything else
    // than the kinds given is refused (nullptr).
    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override;

private:
    DocumentKinds m_kinds;
};

// Why a scan failed, in words a script's reader can act on: what the path
// names when the document could not be opened and is no document, else the
// failing step with its path and the system's reason. Empty when the
// scanner's own message says all there is (a read error, a name taken).
std::string FailureText(const ScanFailure& failure, FolderReader& folders);
