// ScanDisk.h: the disk as a scan uses it: the document it reads, the folder
// and the picture files it writes.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class ByteSource;
class PictureFile;

// Paths are UTF-8 (see FileAccess.h), joined by JoinPath. The operations are
// virtual so that tests can make the disk misbehave; each failure leaves
// errno as the system set it.
class ScanDisk {
public:
    virtual ~ScanDisk() = default;

    // The document, open for reading; nullptr when it cannot be opened.
    virtual std::unique_ptr<ByteSource> OpenDocument(const std::string& path);
    // Creates the last level of the path; false when it was not created
    // (errno EEXIST when it was there already).
    virtual bool MakeDirectory(const std::string& path);
    virtual bool Exists(const std::string& path);
    // A created picture file, or nullptr when it cannot be created.
    virtual std::unique_ptr<PictureFile> CreatePicture(const std::string& path);

protected:
    // The opened stream as a scan reads it: a folder refused, and a pipe kept
    // whole in a temporary file (Linux). Takes the stream over, for an
    // OpenDocument that opens in its own way; nullptr when it cannot be read so.
    static std::unique_ptr<ByteSource> DocumentFrom(std::FILE* stream);
};
