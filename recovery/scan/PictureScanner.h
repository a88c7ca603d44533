// PictureScanner.h: finds the pictures stored in a document and
// writes each into a numbered file of its own.
#pragma once

#include "recovery/bytes/DocumentReader.h"
#include "recovery/candidates/PictureChooser.h"
#include "recovery/search/PictureFinder.h"
#include "recovery/scan/ScanReport.h"

#include <cstddef>
#include <cstdint>
#include <array>
#include <memory>
#include <string>
#include <vector>

class ByteSource;
class PictureFile;
class ScanDisk;
class ProgressSource;
class FoundPictures;

// Scans the document with the real file system.
ScanResult ScanDocument(const std::string& documentPath, const std::string& outputDirectory,
                        ScanReporter& reporter);

// A document that is not a container is scanned in one pass, each picture
// written as soon as its walk found its end. A container (compound file, ZIP
// package, RTF) is first searched through every view of it, then its pictures
// are written in the order of their places in the file. Either way a picture
// is written by one path: its extent in a view, copied into a new file.
class PictureScanner : private PictureSink {
public:
    // The document is read in blocks of blockSize bytes: memory use is
    // bounded by it whatever the size of the document.
    static constexpr size_t kDefaultBlockSize = 1 << 20;

    PictureScanner(ScanDisk& disk, ScanReporter& reporter, size_t blockSize = kDefaultBlockSize,
                   ScanOptions options = ScanOptions());
    ScanResult Scan(const std::string& documentPath, const std::string& outputDirectory);
    // What the last scan did so far: the pictures written before it ended,
    // also when something it called threw.
    const ScanResult& Result() const { return m_result; }

private:
    // A picture's bytes [start, end) in the view that shows it.
    struct PictureExtent {
        PictureKind kind;
        uint64_t start;
        uint64_t end;
        // Why the data ended before the picture's own structure did, where it did.
        DataEnd dataEnd = DataEnd::Whole;
        // Written in front of the bytes: the file header the document left out.
        const std::vector<uint8_t>* header = nullptr;
        // Told by a container's record: kept once however often the
        // document stores it.
        bool fromRecord = false;
        // Its structure broke: what is there is written, and counted cut.
        bool broken = false;
        std::string from{};  // where a user finds it
    };
    struct PictureCopy {
        // Why the view's bytes came short of the extent, when they did:
        // what it held is then written, as the salvage, unless a failed
        // read or a stop kept them back.
        DataEnd end = DataEnd::Whole;
        bool cameShort = false;
        bool written = true;
        uint32_t checksum = 0;  // CRC-32 of the bytes, when pictures are kept once per view
        uint64_t length = 0;    // the bytes copied, the header's included
        std::string sha256;     // when asked for
    };

    // Whether what was copied of the picture is what is left of it: its
    // structure broke, or its data ended before the picture did.
    static bool IsCut(const PictureExtent& extent, const PictureCopy& copy) {
        return extent.broken || copy.cameShort || CutsPictures(extent.dataEnd);
    }

    void ScanPlainDocument();
    void ScanContainer();
    void WriteFoundPictures(FoundPictures& found);
    // Finds the extent of the picture at the reader's cursor by its walk and writes it.
    bool TakePicture(DocumentReader& reader, PictureKind kind) override;
    // The one way a picture reaches its file: the next file of its kind, the
    // bytes copied from held (the reader's blocks) when given, else read from
    // the view. False when the scan must stop.
    bool WritePicture(const PictureExtent& extent, ByteSource& view,
                      const std::vector<DocumentReader::HeldBytes>* held);
    // The picture's bytes read before any file is made: measured, summed,
    // and left in the copy block when they fit it.
    PictureCopy ReadFirst(const PictureExtent& extent, ByteSource& view,
                          const std::vector<DocumentReader::HeldBytes>* held,
                          const std::vector<uint8_t>& header);
    PictureCopy CopyHeld(const std::vector<DocumentReader::HeldBytes>& pieces, PictureFile* picture,
                         bool hash) const;
    PictureCopy WriteBlock(const std::vector<uint8_t>& header, const PictureCopy& read,
                           PictureFile& picture) const;
    PictureCopy CopyFromView(ByteSource& view, const PictureExtent& extent,
                             const std::vector<uint8_t>& header, PictureFile* picture, bool hash);
    bool WrittenInRun(const PictureExtent& extent, ByteSource& view,
                      const std::vector<DocumentReader::HeldBytes>* held,
                      const std::vector<uint8_t>& header, const PictureCopy& read,
                      PictureRecord& record);
    // Whether the file written before at the path holds exactly these bytes.
    bool HoldsSameBytes(const std::string& path, const PictureExtent& extent, ByteSource& view,
                        const std::vector<DocumentReader::HeldBytes>* held,
                        const std::vector<uint8_t>& header, uint64_t length);
    bool Digests() const { return m_options.digests || m_options.unique != nullptr; }
    // Closes the picture and counts it, cut or whole; one that could not be
    // read or written whole is removed and ends the scan.
    bool FinishPicture(PictureFile& picture, PictureKind kind, const PictureCopy& copy,
                       DataEnd dataEnd, bool cut);
    // Bytes were lost to a failed read or a stop: the scan ends, on a read
    // error for a failure.
    void ReportLoss(DataEnd dataEnd);
    // The next picture file, created; nullptr (failure reported) when the scan must stop.
    std::unique_ptr<PictureFile> CreateNextPicture(PictureKind kind);
    bool MakeOutputDirectory();
    // Ends the scan on a failure: the caller hears its message, the result
    // keeps its cause. errno is read as the failing call left it.
    void Fail(ScanMessage message, ScanFailure::Cause cause, const std::string& path);

    ScanDisk& m_disk;
    ScanReporter& m_reporter;
    size_t m_blockSize;
    ScanOptions m_options;
    std::shared_ptr<ProgressSource> m_document;
    std::string m_documentPath;
    std::string m_outputDirectory;
    bool m_firstPicture = true;
    bool m_failed = false;
    PictureChooser m_chooser;
    // A container scan keeps a picture once however many views show it: the
    // chooser tells by the bytes' checksum.
    bool m_keepOncePerView = false;
    std::vector<uint8_t> m_copyBlock;
    std::vector<DocumentReader::HeldBytes> m_heldPieces;
    ScanResult m_result;
};
