// PictureFiles.h: the file system as the scanner sees it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class PictureFile;

// Paths are UTF-8 (see FileAccess.h), joined by JoinPath.
// The operations are virtual so that tests can make the disk misbehave.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // Opens the document for binary reading; nullptr when it cannot be opened.
    virtual std::FILE* OpenDocument(const std::string& path);
    // The document's length, or the largest value when it cannot be told.
    virtual uint64_t DocumentLength(std::FILE* document);
    // Moves the document's read position to a 64-bit offset; false on failure.
    virtual bool SeekDocument(std::FILE* document, uint64_t offset);
    // Reads up to size bytes at the read position; fewer at the end or on failure.
    virtual size_t ReadDocument(std::FILE* document, void* into, size_t size);
    // Creates the last level of the path; false when it was not created (an
    // existing directory among the reasons). The scanner leaves failures to
    // the steps that follow.
    virtual bool MakeDirectory(const std::string& path);
    virtual bool Exists(const std::string& path);
    // A created picture file, or nullptr when it cannot be created.
    virtual std::unique_ptr<PictureFile> CreatePicture(const std::string& path);

protected:
    // The opened document as the scanner reads it: unbuffered, and a pipe
    // kept whole in a temporary file (Linux); nullptr when that fails. Takes
    // the stream over, for an OpenDocument that opens in its own way.
    static std::FILE* ReadyDocument(std::FILE* document);
};
