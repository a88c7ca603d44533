// PictureScanner.h: finds the JPEG and PNG pictures stored in a document and
// writes each into a numbered file of its own.
#pragma once

#include <cstddef>
#include <string>

class DocumentReader;
class PictureFiles;

// The failures a caller shows to the user, each in its own words:
// WriteError: "Error writing file…", DirectoryExists: "Images directory already exists!!…".
enum class ScanMessage { WriteError, DirectoryExists };

class ScanReporter {
public:
    virtual ~ScanReporter() = default;
    // Called at most once per scan, when the scan stops on a failure.
    virtual void ReportScanMessage(ScanMessage message) = 0;
};

struct ScanResult {
    int pictureCount = 0;          // picture files created and completely written
    std::string outputDirectory;   // set when the first picture is found, else empty
    bool runAborted = false;       // stopped because a picture path was already taken
    bool completed = true;         // false after any failure
};

// Scans the document with the real file system.
ScanResult ScanDocument(const std::string& documentPath, const std::string& outputDirectory,
                        ScanReporter& reporter);

class PictureScanner {
public:
    // The document is read in blocks of blockSize bytes: memory use is
    // bounded by it whatever the size of the document.
    static constexpr size_t kDefaultBlockSize = 1 << 20;

    PictureScanner(PictureFiles& files, ScanReporter& reporter,
                   size_t blockSize = kDefaultBlockSize);
    ScanResult Scan(const std::string& documentPath, const std::string& outputDirectory);

private:
    enum class Kind { Jpeg, Png };

    void ScanBlocks(DocumentReader& reader);
    bool FindSignature(DocumentReader& reader, Kind& kind);
    // False when the scan must stop after this picture.
    bool ExtractPicture(DocumentReader& reader, Kind kind);
    std::string NextPicturePath(Kind kind);
    void Fail(ScanMessage message);

    PictureFiles& m_files;
    ScanReporter& m_reporter;
    size_t m_blockSize;
    std::string m_outputDirectory;
    bool m_firstPicture = true;
    int m_jpegCount = 0;
    int m_pngCount = 0;
    ScanResult m_result;
};
