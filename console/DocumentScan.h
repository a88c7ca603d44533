// DocumentScan.h: one document of a batch scanned into a folder of its own.
#pragma once

#include "console/DocumentWalk.h"
#include "recovery/pictures/PictureKind.h"
#include "recovery/scan/ScanReport.h"

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

class ScanDisk;

// Pictures written, one count per PictureKind.
using KindCounts = std::array<int, kPictureKinds>;

struct DocumentReport {
    std::string path;
    std::string outputFolder;  // empty unless this scan made it
    KindCounts pictures{};     // pictures written, by kind
    KindCounts cut{};          // of those, the pictures written cut
    PictureKinds kinds = AllPictureKinds();  // the kinds the scan was to write
    uint64_t bytes = 0;  // the document's length
    // Each picture written, in the order written, and each one not written
    // again for the same bytes.
    std::vector<PictureRecord> files;
    bool completed = false;
    std::string failure;  // why it did not complete
};

// Names each document's output folder as a recovery run does, below the
// batch's output folder. Two documents of the same name, or a name whose
// folder is already on disk, get a number added, so that no scan ever
// meets a folder it did not make.
class OutputFolders {
public:
    OutputFolders(const std::string& outputFolder, const std::string& suffix, ScanDisk& disk);
    std::string Claim(const std::string& documentPath);

private:
    bool IsFree(const std::string& folder);

    std::string m_outputPath;
    std::string m_suffix;
    ScanDisk& m_disk;
    std::set<std::string> m_claimed;
};

// How many bytes of the document the scan has done, as the scanner reports it
// now and then while it reads (never for a small document).
using ScanProgressCallback = std::function<void(uint64_t done)>;

// Scans the document into outputFolder, which the scan makes at the first
// picture and which must not exist before: an existing folder is never
// written into. Only pictures of the options' kinds are written. Failures
// come back in the report; nothing is shown.
DocumentReport ScanOneDocument(const WalkedDocument& document, const std::string& outputFolder,
                               ScanDisk& disk, FolderReader& reader,
                               const ScanProgressCallback& progress = nullptr,
                               ScanOptions options = ScanOptions());
