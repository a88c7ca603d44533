// DocumentFiles.h: the disk as one scan of velmo-extract sees it.
#pragma once

#include "recovery/PictureFiles.h"

#include <cstdint>
#include <string>
#include <vector>

class FolderReader;

// Where a scan may write its pictures: a batch only into the folder the scan
// made itself; the single-document form, as the window's run, also into a
// folder that was there (the scanner stops at the first picture name taken).
enum class OutputFolderUse { MadeByTheScan, AnyFolder };

// Every call goes to the real disk, and the first failure is kept in words a
// script's reader can act on. A picture the scan leaves unfinished is removed.
class DocumentFiles : public PictureFiles {
public:
    DocumentFiles(PictureFiles& disk, FolderReader& folders, OutputFolderUse use);

    std::FILE* OpenDocument(const std::string& path) override;
    uint64_t DocumentLength(std::FILE* document) override;
    bool SeekDocument(std::FILE* document, uint64_t offset) override;
    size_t ReadDocument(std::FILE* document, void* into, size_t size) override;
    bool MakeDirectory(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override;

    bool FolderMade() const { return m_folderMade; }
    // The picture files the scan made that are still there.
    int PicturesKept();
    uint64_t DocumentBytes() const { return m_documentBytes; }
    const std::string& Failure() const { return m_failure; }
    // The scanner reports a document it cannot open as a write error; the
    // failure then says all there is.
    bool OpenFailed() const { return m_openFailed; }

private:
    void Note(const std::string& failure);

    PictureFiles& m_disk;
    FolderReader& m_folders;
    OutputFolderUse m_use;
    bool m_folderMade = false;
    bool m_openFailed = false;
    std::vector<std::string> m_pictures;  // every picture file made
    uint64_t m_documentBytes = 0;
    std::string m_failure;
};
