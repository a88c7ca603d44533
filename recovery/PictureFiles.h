// PictureFiles.h: the file system as the scanner sees it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class PictureFile;

// Paths are UTF-8 (see FileAccess.h); the separator is the system's own.
// The operations are virtual so that tests can make the disk misbehave.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // Opens the document for binary reading; nullptr when it cannot be opened.
    virtual std::FILE* OpenDocument(const std::string& path);
    // The document's length, or the largest value when it cannot be told.
    virtual uint64_t DocumentLength(std::FILE* document);
    // Creates the last level of the path; failures (an existing directory
    // among them) are left to the steps that follow.
    virtual void MakeDirectory(const std::string& path);
    virtual bool Exists(const std::string& path);
    // A created picture file, or nullptr when it cannot be created.
    virtual std::unique_ptr<PictureFile> CreatePicture(const std::string& path);

    static std::string JoinPath(const std::string& directory, const std::string& name);
};
