// PictureScanner.cpp
#include "recovery/scan/PictureScanner.h"

#include "recovery/containers/ContainerReader.h"
#include "recovery/bytes/DocumentReader.h"
#include "base/FileAccess.h"
#include "recovery/candidates/FoundPictures.h"
#include "recovery/disk/PictureFile.h"
#include "recovery/scan/ProgressSource.h"
#include "recovery/disk/ScanDisk.h"
#include "recovery/scan/UniquePictures.h"
#include "base/Sha256.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace {

// Takes a picture's bytes as a file would and checks them against a file
// written before, whose length the caller has checked.
class ComparedPicture : public PictureFile {
public:
    explicit ComparedPicture(ByteSource& earlier)
        : PictureFile(std::string()), m_earlier(earlier) {}
    bool Write(const uint8_t* data, size_t size) override {
        m_block.resize(size);
        bool same = ReadExactly(m_earlier, m_at, m_block.data(), size) &&
                    std::memcmp(m_block.data(), data, size) == 0;
        m_at += size;
        return same;
    }
    bool Close() override { return true; }

private:
    ByteSource& m_earlier;
    uint64_t m_at = 0;
    std::vector<uint8_t> m_block;
};

// A digest claimed for a picture about to be written: given up unless the
// picture's file was written whole.
class DigestClaim {
public:
    DigestClaim(UniquePictures* unique, std::string digest)
        : m_unique(unique), m_digest(std::move(digest)) {}
    DigestClaim(const DigestClaim&) = delete;
    DigestClaim& operator=(const DigestClaim&) = delete;
    ~DigestClaim() {
        if (m_unique != nullptr) m_unique->Abandoned(m_digest);
    }
    void Written(const std::string& path) {
        if (m_unique != nullptr) m_unique->Written(m_digest, path);
        m_unique = nullptr;
    }

private:
    UniquePictures* m_unique;
    std::string m_digest;
};

// Bytes a failed read or a stop kept back are lost, not cut by the document.
bool BytesLost(DataEnd end) { return end == DataEnd::Failed || end == DataEnd::Stopped; }

}  // namespace

ScanResult ScanDocument(const std::string& documentPath, const std::string& outputDirectory,
                        ScanReporter& reporter) {
    ScanDisk disk;
    return PictureScanner(disk, reporter).Scan(documentPath, outputDirectory);
}

PictureScanner::PictureScanner(ScanDisk& disk, ScanReporter& reporter, size_t blockSize,
                               ScanOptions options)
    : m_disk(disk), m_reporter(reporter), m_blockSize(blockSize), m_options(options) {}

ScanResult PictureScanner::Scan(const std::string& documentPath,
                                const std::string& outputDirectory) {
    m_documentPath = documentPath;
    m_outputDirectory = outputDirectory;
    m_firstPicture = true;
    m_failed = false;
    m_chooser = PictureChooser(m_options.kinds);
    m_keepOncePerView = false;
    m_result = ScanResult();
    std::shared_ptr<ByteSource> document = m_disk.OpenDocument(documentPath);
    if (!document) {
        Fail(ScanMessage::WriteError, ScanFailure::Cause::Open, documentPath);
        return m_result;
    }
    m_document = std::make_shared<ProgressSource>(document, m_reporter);
    if (ContainerReader::IsDocumentContainer(*m_document))
        ScanContainer();
    else
        ScanPlainDocument();
    m_result.documentBytes = m_document->Size() != ByteSource::kUnknownSize ? m_document->Size() : 0;
    if (m_document->StopRequested() && !m_failed) {
        m_result.stoppedOnRequest = true;
        m_result.completed = false;
    }
    m_document.reset();
    return m_result;
}

void PictureScanner::ScanPlainDocument() {
    PictureFinder finder(*m_document, m_blockSize);
    finder.Run(*this);
    // A document that cannot be read to its end may hide pictures.
    if (!m_failed && finder.ReadFailed())
        Fail(ScanMessage::ReadError, ScanFailure::Cause::Read, m_documentPath);
}

// Three passes: the plain search, the containers' search, the writing.
void PictureScanner::ScanContainer() {
    constexpr int kPasses = 3;
    m_keepOncePerView = true;
    std::shared_ptr<ByteSource> document = m_document;
    FoundPictures found;
    bool readFailed;
    {
        // The plain bytes first: whatever the containers miss is still found.
        m_document->BeginPass(0, kPasses);
        PictureFinder finder(*document, m_blockSize);
        RecordingSink sink(found, document, kPlainBytesRank);
        finder.Run(sink);
        readFailed = finder.ReadFailed();
    }
    m_document->BeginPass(1, kPasses);
    ContainerReader(found, document->Size()).Read(document, 0);
    m_document->BeginPass(2, kPasses);
    WriteFoundPictures(found);
    if (!m_failed && (readFailed || document->EndReason() == DataEnd::Failed))
        Fail(ScanMessage::ReadError, ScanFailure::Cause::Read, m_documentPath);
}

void PictureScanner::WriteFoundPictures(FoundPictures& found) {
    ByteSource* previous = nullptr;
    m_chooser.ForEachChosen(found, [&](const ChosenPicture& picture) {
        if (m_document->StopRequested()) return false;
        // A view that is done with gives back its decoder's memory.
        if (previous != nullptr && previous != &picture.view) previous->ReleaseCaches();
        previous = &picture.view;
        ProgressSource::Writing writing(*m_document);
        PictureExtent extent{picture.kind, picture.start, picture.end};
        extent.header = &picture.header;
        extent.fromRecord = picture.fromRecord;
        extent.broken = picture.broken;
        extent.from = picture.from;
        return WritePicture(extent, picture.view, nullptr);
    });
}

// The picture's extent is found by walking it, then its bytes are copied:
// from the reader's buffer when it still holds them, else from the document.
bool PictureScanner::TakePicture(DocumentReader& reader, PictureKind kind) {
    // After a stop the search still passes what it had read: nothing more is begun.
    if (m_document->StopRequested()) return false;
    ProgressSource::Writing writing(*m_document);
    uint64_t start = reader.Position();
    reader.KeepFromHere();
    bool ended = false;
    Walked walked = SkipPicture(reader, kind, ended);
    if (walked == Walked::NoPicture) {
        reader.StopKeeping();
        return true;
    }
    PictureExtent picture{kind, start, reader.Position()};
    if (!ended) picture.dataEnd = reader.EndReason();
    picture.broken = walked == Walked::Broken;
    picture.from = PictureOrigin(ViewName(), start);
    std::vector<DocumentReader::HeldBytes>& held = m_heldPieces;
    bool written = WritePicture(picture, reader.Source(),
                                reader.Held(picture.start, picture.end, held) ? &held : nullptr);
    reader.StopKeeping();
    if (!written) return false;
    // A picture without an end holds the rest of the document: nothing is left to scan.
    return ended;
}

// A container's picture is read before any file is made, for the chooser to
// tell whether it is written. So is any picture when pictures are written
// once per run.
bool PictureScanner::WritePicture(const PictureExtent& extent, ByteSource& view,
                                  const std::vector<DocumentReader::HeldBytes>* held) {
    if (!m_chooser.Wants(extent.kind)) return true;
    const std::vector<uint8_t> noHeader;
    const std::vector<uint8_t>& header = extent.header != nullptr ? *extent.header : noHeader;
    PictureCopy read;
    const bool measured = m_keepOncePerView && held == nullptr;
    const bool readFirst = measured || m_options.unique != nullptr;
    if (readFirst) {
        read = ReadFirst(extent, view, held, header);
        if (BytesLost(read.end)) {
            ReportLoss(read.end);
            return false;
        }
        if (measured && !m_chooser.Keeps(ReadPicture{extent.kind, &view, extent.fromRecord,
                                                     read.length, header.size(), read.checksum}))
            return true;
    }
    PictureRecord record;
    record.kind = extent.kind;
    record.from = extent.from;
    if (m_options.unique != nullptr && WrittenInRun(extent, view, held, header, read, record))
        return true;
    DigestClaim claim(m_options.unique, read.sha256);
    std::unique_ptr<PictureFile> picture = CreateNextPicture(extent.kind);
    if (!picture) return false;
    errno = 0;
    PictureCopy copy;
    const bool hash = Digests() && !readFirst;
    if (held != nullptr)
        copy = CopyHeld(*held, picture.get(), hash);
    else if (readFirst && extent.end - extent.start <= m_blockSize)
        copy = WriteBlock(header, read, *picture);
    else
        copy = CopyFromView(view, extent, header, picture.get(), hash);
    if (readFirst) copy.sha256 = read.sha256;
    const bool cut = IsCut(extent, copy);
    DataEnd dataEnd = BytesLost(copy.end) ? copy.end : extent.dataEnd;
    if (!FinishPicture(*picture, extent.kind, copy, dataEnd, cut)) return false;
    claim.Written(picture->Path());
    record.file = picture->Path();
    record.bytes = copy.length;
    record.sha256 = copy.sha256;
    record.whole = !cut;
    m_reporter.ReportPicture(record);
    return true;
}

// Where a file written before in the run holds the picture's bytes, the
// picture's record names it and no file is made; else the picture's digest
// is claimed for the file about to be written.
bool PictureScanner::WrittenInRun(const PictureExtent& extent, ByteSource& view,
                                  const std::vector<DocumentReader::HeldBytes>* held,
                                  const std::vector<uint8_t>& header, const PictureCopy& read,
                                  PictureRecord& record) {
    record.sameAs = m_options.unique->FindOrClaim(read.sha256, [&](const std::string& path) {
        return HoldsSameBytes(path, extent, view, held, header, read.length);
    });
    if (record.sameAs.empty()) return false;
    record.bytes = read.length;
    record.sha256 = read.sha256;
    record.whole = !IsCut(extent, read);
    m_reporter.ReportPicture(record);
    return true;
}

PictureScanner::PictureCopy PictureScanner::ReadFirst(
    const PictureExtent& extent, ByteSource& view,
    const std::vector<DocumentReader::HeldBytes>* held, const std::vector<uint8_t>& header) {
    if (held != nullptr) return CopyHeld(*held, nullptr, Digests());
    return CopyFromView(view, extent, header, nullptr, Digests());
}

bool PictureScanner::HoldsSameBytes(const std::string& path, const PictureExtent& extent,
                                    ByteSource& view,
                                    const std::vector<DocumentReader::HeldBytes>* held,
                                    const std::vector<uint8_t>& header, uint64_t length) {
    std::unique_ptr<ByteSource> earlier = m_disk.OpenDocument(path);
    if (!earlier || earlier->Size() != length) return false;
    ComparedPicture compared(*earlier);
    PictureCopy copy = held != nullptr ? CopyHeld(*held, &compared, false)
                                       : CopyFromView(view, extent, header, &compared, false);
    return !BytesLost(copy.end) && copy.written && copy.length == length;
}

PictureScanner::PictureCopy PictureScanner::CopyHeld(
    const std::vector<DocumentReader::HeldBytes>& pieces, PictureFile* picture, bool hash) const {
    PictureCopy copy;
    std::unique_ptr<Sha256> digest = hash ? std::make_unique<Sha256>() : nullptr;
    for (const DocumentReader::HeldBytes& piece : pieces) {
        if (picture != nullptr)
            copy.written = copy.written && picture->Write(piece.bytes, piece.size);
        if (digest) digest->Update(piece.bytes, piece.size);
        copy.length += piece.size;
    }
    if (digest) copy.sha256 = digest->HexDigest();
    return copy;
}

// The header and the picture's bytes, which the copy block still holds whole.
PictureScanner::PictureCopy PictureScanner::WriteBlock(const std::vector<uint8_t>& header,
                                                       const PictureCopy& read,
                                                       PictureFile& picture) const {
    PictureCopy copy = read;
    const size_t bytes = static_cast<size_t>(read.length - header.size());
    copy.written = (header.empty() || picture.Write(header.data(), header.size())) &&
                   picture.Write(m_copyBlock.data(), bytes);
    return copy;
}

// Reads the header and the extent's bytes, block by block, summing them when
// pictures are kept once per view, and writes them when given a picture.
PictureScanner::PictureCopy PictureScanner::CopyFromView(ByteSource& view,
                                                         const PictureExtent& extent,
                                                         const std::vector<uint8_t>& header,
                                                         PictureFile* picture, bool hash) {
    PictureCopy copy;
    std::unique_ptr<Sha256> digest = hash ? std::make_unique<Sha256>() : nullptr;
    auto take = [&](const uint8_t* bytes, size_t size) {
        if (picture != nullptr) copy.written = copy.written && picture->Write(bytes, size);
        if (m_keepOncePerView)
            copy.checksum = crc32(copy.checksum, bytes, static_cast<uInt>(size));
        if (digest) digest->Update(bytes, size);
        copy.length += size;
    };
    if (!header.empty()) take(header.data(), header.size());
    // One block for every copy: a fresh one each time would cost its pages again.
    std::vector<uint8_t>& block = m_copyBlock;
    block.resize(static_cast<size_t>(std::min<uint64_t>(m_blockSize, extent.end - extent.start)));
    for (uint64_t at = extent.start; at < extent.end && copy.written;) {
        size_t piece = static_cast<size_t>(std::min<uint64_t>(block.size(), extent.end - at));
        size_t got = view.ReadAt(at, block.data(), piece);
        if (got < piece) {
            // A picture whose data ends short (a record's header telling more
            // than its data holds, a broken chain, the allowance spent) is
            // cut there; only a failed read or a stop loses what was read.
            copy.end = view.EndReason();
            copy.cameShort = true;
            if (!BytesLost(copy.end)) take(block.data(), got);
            break;
        }
        take(block.data(), piece);
        at += piece;
    }
    if (digest) copy.sha256 = digest->HexDigest();
    return copy;
}

bool PictureScanner::FinishPicture(PictureFile& picture, PictureKind kind, const PictureCopy& copy,
                                   DataEnd dataEnd, bool cut) {
    bool closed = copy.written && picture.Close();
    if (!closed) {
        Fail(ScanMessage::WriteError, ScanFailure::Cause::Write, picture.Path());
        picture.Remove();
        return false;
    }
    if (BytesLost(dataEnd)) {
        picture.Remove();
        ReportLoss(dataEnd);
        return false;
    }
    ++m_result.pictureCount;
    ++m_result.picturesByKind[static_cast<size_t>(kind)];
    if (cut) {
        ++m_result.cutCount;
        ++m_result.cutByKind[static_cast<size_t>(kind)];
    }
    return true;
}

// A stop needs no report of its own: the scan's result tells it.
void PictureScanner::ReportLoss(DataEnd dataEnd) {
    if (dataEnd == DataEnd::Failed)
        Fail(ScanMessage::ReadError, ScanFailure::Cause::Read, m_documentPath);
}

std::unique_ptr<PictureFile> PictureScanner::CreateNextPicture(PictureKind kind) {
    if (m_firstPicture) {
        m_firstPicture = false;
        if (!MakeOutputDirectory()) return nullptr;
    }
    std::string path = JoinPath(m_outputDirectory, m_chooser.NextName(kind));
    if (m_disk.Exists(path)) {
        m_result.runAborted = true;
        Fail(ScanMessage::DirectoryExists, ScanFailure::Cause::NameTaken, path);
        return nullptr;
    }
    std::unique_ptr<PictureFile> picture = m_disk.CreatePicture(path);
    if (!picture) Fail(ScanMessage::WriteError, ScanFailure::Cause::CreatePicture, path);
    return picture;
}

// A folder that cannot be made is no failure of its own where the scan may
// write into any folder: the picture files then tell whether it is usable.
bool PictureScanner::MakeOutputDirectory() {
    bool made = m_disk.MakeDirectory(m_outputDirectory);
    if (!m_options.onlyIntoNewFolder) {
        m_result.outputDirectory = m_outputDirectory;
        return true;
    }
    if (!made) {
        Fail(ScanMessage::WriteError, ScanFailure::Cause::MakeFolder, m_outputDirectory);
        return false;
    }
    m_result.outputDirectory = m_outputDirectory;
    return true;
}

void PictureScanner::Fail(ScanMessage message, ScanFailure::Cause cause, const std::string& path) {
    int error = errno;
    m_failed = true;
    m_result.completed = false;
    m_result.failure.cause = cause;
    m_result.failure.path = path;
    m_result.failure.systemError = cause == ScanFailure::Cause::Read ? 0 : error;
    m_result.failure.reason =
        m_result.failure.systemError != 0 ? std::generic_category().message(error) : "";
    m_reporter.ReportScanMessage(message);
}
