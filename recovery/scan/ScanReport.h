// ScanReport.h: what a scan tells its caller while it runs, and what it
// gives back when it ends.
#pragma once

#include "recovery/pictures/PictureKind.h"

#include <array>
#include <cstdint>
#include <string>

class UniquePictures;

// One picture the scan came to: the file it wrote, or, where its bytes were
// written already, the file that holds them.
struct PictureRecord {
    std::string file;    // the path written; empty when not written again
    std::string sameAs;  // the path that holds the same bytes, when not written
    PictureKind kind = PictureKind::Jpeg;
    uint64_t bytes = 0;  // the file's length
    std::string sha256;  // 64 hexadecimal digits, when ScanOptions::digests asked
    bool whole = true;   // false for a picture written cut
    // Where it was found, from the outside in: "word/media/image1.png",
    // "ObjectPool/_1234/Data/picture record at 0x1A2B in the stream", "offset 0x1A2B".
    std::string from;
};

// The failures a caller shows to the user, each in its own words:
// WriteError: "Error writing file…", DirectoryExists: "Images directory already exists!!…",
// ReadError: the document could not be read to its end.
enum class ScanMessage { WriteError, DirectoryExists, ReadError };

class ScanReporter {
public:
    virtual ~ScanReporter() = default;
    // Called at most once per scan, when the scan stops on a failure.
    virtual void ReportScanMessage(ScanMessage message) = 0;
    // Called for each picture written, in the order written, and for each
    // one not written again for the same bytes.
    virtual void ReportPicture(const PictureRecord& /*record*/) {}
    // How far the scan is: done bytes of the document's total (0 when its
    // length is unknown). Called each time the scan has read another
    // ProgressSource::kReportStep bytes, so never for a small document.
    virtual void ReportProgress(uint64_t /*done*/, uint64_t /*total*/) {}
    // Asked after each progress report. Once true, the scan finishes the
    // picture it is writing, keeps every picture written, and ends.
    virtual bool StopRequested() { return false; }
};

// What went wrong, on which path, in the system's words.
struct ScanFailure {
    enum class Cause { None, Open, Read, MakeFolder, CreatePicture, Write, NameTaken };

    Cause cause = Cause::None;
    std::string path;
    int systemError = 0;  // errno as the failing call left it; 0 when none
    std::string reason;   // the system's words for it
};

struct ScanResult {
    int pictureCount = 0;  // picture files created and completely written
    std::array<int, kPictureKinds> picturesByKind{};
    // Of those, the pictures written cut: their structure broke, or their own
    // header told more bytes than the document holds.
    int cutCount = 0;
    std::array<int, kPictureKinds> cutByKind{};
    std::string outputDirectory;  // set once the scan made it or wrote into it, else empty
    uint64_t documentBytes = 0;   // the document's length (of a pipe: what it held)
    bool runAborted = false;      // stopped because a picture path was already taken
    bool completed = true;        // false after any failure and after a stop
    bool stoppedOnRequest = false;  // ended early because the reporter asked
    ScanFailure failure;            // the first failure, when completed is false for one
};

struct ScanOptions {
    // Pictures go only into an output folder this scan made itself: a folder
    // that was there already is a failure, not a place to write.
    bool onlyIntoNewFolder = false;
    // The kinds written; a picture of another kind is passed over unnumbered.
    PictureKinds kinds = AllPictureKinds();
    // Each picture's SHA-256 in its record, summed as its bytes pass.
    bool digests = false;
    // When given, a picture whose bytes one written before holds is not
    // written again (its record tells where they are); digests come with it.
    UniquePictures* unique = nullptr;
};
