// PictureScanner.h: finds the JPEG and PNG pictures stored in a document and
// writes each into a numbered file of its own.
#pragma once

#include "recovery/PictureFinder.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <string>
#include <vector>

class ByteSource;
class DocumentReader;
class PictureFile;
class PictureFiles;
class ProgressSource;
struct FoundPicture;
class FoundPictures;

// The failures a caller shows to the user, each in its own words:
// WriteError: "Error writing file…", DirectoryExists: "Images directory already exists!!…",
// ReadError: the document could not be read to its end.
enum class ScanMessage { WriteError, DirectoryExists, ReadError };

class ScanReporter {
public:
    virtual ~ScanReporter() = default;
    // Called at most once per scan, when the scan stops on a failure.
    virtual void ReportScanMessage(ScanMessage message) = 0;
    // How far the scan is: done bytes of the document's total (0 when its
    // length is unknown). Called each time the scan has read another
    // ProgressSource::kReportStep bytes, so never for a small document.
    virtual void ReportProgress(uint64_t /*done*/, uint64_t /*total*/) {}
    // Asked after each progress report. Once true, the scan finishes the
    // picture it is writing, keeps every picture written, and ends.
    virtual bool StopRequested() { return false; }
};

struct ScanResult {
    int pictureCount = 0;         // picture files created and completely written
    std::string outputDirectory;  // set when the first picture is found, else empty
    bool runAborted = false;      // stopped because a picture path was already taken
    bool completed = true;        // false after any failure and after a stop
    bool stopped = false;         // ended early because the reporter asked
};

// Scans the document with the real file system.
ScanResult ScanDocument(const std::string& documentPath, const std::string& outputDirectory,
                        ScanReporter& reporter);

// A document that is not a container is scanned in one pass, each picture
// written as the scan passes it. A container (compound file, ZIP package,
// RTF) is first searched through every view of it, then its pictures are
// written in the order of their places in the file.
class PictureScanner : private PictureSink {
public:
    // The document is read in blocks of blockSize bytes: memory use is
    // bounded by it whatever the size of the document.
    static constexpr size_t kDefaultBlockSize = 1 << 20;

    PictureScanner(PictureFiles& files, ScanReporter& reporter,
                   size_t blockSize = kDefaultBlockSize);
    ScanResult Scan(const std::string& documentPath, const std::string& outputDirectory);
    // What the last scan did so far: the pictures written before it ended,
    // also when something it called threw.
    const ScanResult& Result() const { return m_result; }

private:
    void ScanPlainDocument();
    void ScanContainer();
    void WriteFoundPictures(const FoundPictures& found);
    // Finds the extent of the picture at the reader's cursor by its walk and writes it.
    bool TakePicture(DocumentReader& reader, PictureKind kind) override;

    // A picture's bytes [start, end) in the view that shows it.
    struct PictureExtent {
        PictureKind kind;
        uint64_t start;
        uint64_t end;
        bool readWhole;  // false when a read error may have cut it short
    };
    struct PictureCopy {
        bool read = true;
        bool written = true;
        uint32_t checksum = 0;  // CRC-32 of the bytes, when pictures are kept once per view
    };
    // The one way a picture reaches its file: the next file of its kind, the
    // bytes copied from held (the reader's buffer) when given, else read from
    // the view. False when the scan must stop.
    bool WritePicture(const PictureExtent& extent, ByteSource& view, const uint8_t* held);
    PictureCopy CopyHeld(const uint8_t* bytes, const PictureExtent& extent,
                         PictureFile& picture) const;
    PictureCopy CopyFromView(ByteSource& view, const PictureExtent& extent,
                             PictureFile& picture) const;
    // Closes the picture; one not closed is removed and ends the scan with a
    // write error, one cut short by a read error with a read error.
    bool FinishPicture(PictureFile& picture, bool written, bool readWhole = true);
    // The next picture file, created; nullptr (failure reported) when the scan must stop.
    std::unique_ptr<PictureFile> CreateNextPicture(PictureKind kind);
    bool WrittenThroughAnotherView(const PictureExtent& extent, uint32_t checksum,
                                   const ByteSource& view);
    void GiveBackNumber(PictureKind kind);
    std::string NextPicturePath(PictureKind kind);
    void Fail(ScanMessage message);

    PictureFiles& m_files;
    ScanReporter& m_reporter;
    size_t m_blockSize;
    std::shared_ptr<ProgressSource> m_document;
    std::string m_outputDirectory;
    bool m_firstPicture = true;
    bool m_stopped = false;
    int m_jpegCount = 0;
    int m_pngCount = 0;
    // A container scan keeps a picture once however many views show it: the
    // pictures it wrote, by kind, length and checksum, with the view each came from.
    bool m_keepOncePerView = false;
    std::map<std::tuple<PictureKind, uint64_t, uint32_t>, const ByteSource*> m_writtenPictures;
    ScanResult m_result;
};
