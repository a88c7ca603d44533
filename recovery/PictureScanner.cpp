// PictureScanner.cpp
#include "recovery/PictureScanner.h"

#include "recovery/ContainerReader.h"
#include "recovery/DocumentReader.h"
#include "recovery/FileAccess.h"
#include "recovery/FileSource.h"
#include "recovery/FoundPictures.h"
#include "recovery/PictureFile.h"
#include "recovery/PictureFiles.h"
#include "recovery/ProgressSource.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class DocumentCloser {
public:
    explicit DocumentCloser(std::FILE* document) : m_document(document) {}
    ~DocumentCloser() { std::fclose(m_document); }
    DocumentCloser(const DocumentCloser&) = delete;
    DocumentCloser& operator=(const DocumentCloser&) = delete;

private:
    std::FILE* m_document;
};

}  // namespace

ScanResult ScanDocument(const std::string& documentPath, const std::string& outputDirectory,
                        ScanReporter& reporter) {
    PictureFiles files;
    return PictureScanner(files, reporter).Scan(documentPath, outputDirectory);
}

PictureScanner::PictureScanner(PictureFiles& files, ScanReporter& reporter, size_t blockSize)
    : m_files(files), m_reporter(reporter), m_blockSize(blockSize) {}

ScanResult PictureScanner::Scan(const std::string& documentPath,
                                const std::string& outputDirectory) {
    m_outputDirectory = outputDirectory;
    m_firstPicture = true;
    m_stopped = false;
    m_jpegCount = 0;
    m_pngCount = 0;
    m_writtenPictures.clear();
    m_keepOncePerView = false;
    m_result = ScanResult();
    std::FILE* document = m_files.OpenDocument(documentPath);
    if (document == nullptr) {
        Fail(ScanMessage::WriteError);
        return m_result;
    }
    DocumentCloser closer(document);
    m_document = std::make_shared<ProgressSource>(std::make_shared<FileSource>(m_files, document),
                                                  m_reporter);
    if (ContainerReader::IsContainer(*m_document))
        ScanContainer();
    else
        ScanPlainDocument();
    if (m_document->StopRequested() && !m_stopped) {
        m_result.stopped = true;
        m_result.completed = false;
    }
    m_document.reset();
    return m_result;
}

void PictureScanner::ScanPlainDocument() {
    PictureFinder finder(*m_document, m_blockSize);
    finder.Run(*this);
    // A document that cannot be read to its end may hide pictures.
    if (!m_stopped && finder.ReadFailed()) Fail(ScanMessage::ReadError);
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
        RecordingSink sink(found, document, 0);
        finder.Run(sink);
        readFailed = finder.ReadFailed();
    }
    m_document->BeginPass(1, kPasses);
    ContainerReader(found, document->Size()).Read(document, 0);
    m_document->BeginPass(2, kPasses);
    WriteFoundPictures(found);
    if (!m_stopped && (readFailed || document->Failed())) Fail(ScanMessage::ReadError);
}

void PictureScanner::WriteFoundPictures(const FoundPictures& found) {
    ByteSource* previous = nullptr;
    for (const FoundPicture& picture : found.InOrder()) {
        if (m_document->StopRequested()) return;
        // A view that is done with gives back its decoder's memory.
        if (previous != nullptr && previous != picture.source.get()) previous->Rest();
        previous = picture.source.get();
        ProgressSource::Writing writing(*m_document);
        PictureExtent extent{picture.kind, picture.start, picture.end, true};
        if (!WritePicture(extent, *picture.source, nullptr)) return;
    }
}

// The picture's extent is found by walking it, then its bytes are copied:
// from the reader's buffer when it still holds them, else from the document.
bool PictureScanner::TakePicture(DocumentReader& reader, PictureKind kind) {
    // After a stop the search still passes what it had read: nothing more is begun.
    if (m_document->StopRequested()) return false;
    ProgressSource::Writing writing(*m_document);
    uint64_t start = reader.Position();
    reader.KeepFromHere();
    bool ended = SkipPicture(reader, kind);
    reader.StopKeeping();
    // A read error can look like the document's end: such a picture is not whole.
    PictureExtent picture{kind, start, reader.Position(), ended || !reader.ReadFailed()};
    if (!WritePicture(picture, reader.Source(), reader.Held(picture.start, picture.end)))
        return false;
    // A picture without an end holds the rest of the document: nothing is left to scan.
    return ended;
}

bool PictureScanner::WritePicture(const PictureExtent& extent, ByteSource& view,
                                  const uint8_t* held) {
    std::unique_ptr<PictureFile> picture = CreateNextPicture(extent.kind);
    if (!picture) return false;
    PictureCopy copy = held != nullptr ? CopyHeld(held, extent, *picture)
                                       : CopyFromView(view, extent, *picture);
    if (copy.read && copy.written && WrittenThroughAnotherView(extent, copy.checksum, view)) {
        picture->Remove();
        GiveBackNumber(extent.kind);
        return true;
    }
    return FinishPicture(*picture, copy.written, copy.read && extent.readWhole);
}

PictureScanner::PictureCopy PictureScanner::CopyHeld(const uint8_t* bytes,
                                                     const PictureExtent& extent,
                                                     PictureFile& picture) const {
    size_t size = static_cast<size_t>(extent.end - extent.start);
    PictureCopy copy;
    copy.written = picture.Write(bytes, size);
    if (m_keepOncePerView) copy.checksum = crc32(copy.checksum, bytes, static_cast<uInt>(size));
    return copy;
}

PictureScanner::PictureCopy PictureScanner::CopyFromView(ByteSource& view,
                                                         const PictureExtent& extent,
                                                         PictureFile& picture) const {
    std::vector<uint8_t> block(std::min<uint64_t>(m_blockSize, extent.end - extent.start));
    PictureCopy copy;
    for (uint64_t at = extent.start; at < extent.end && copy.read && copy.written;) {
        size_t piece = static_cast<size_t>(std::min<uint64_t>(block.size(), extent.end - at));
        copy.read = view.ReadAt(at, block.data(), piece) == piece;
        if (copy.read) copy.written = picture.Write(block.data(), piece);
        if (m_keepOncePerView)
            copy.checksum = crc32(copy.checksum, block.data(), static_cast<uInt>(piece));
        at += piece;
    }
    return copy;
}

// A damaged package may show the same bytes through views of views (an
// entry whose data holds the next entry, and so on), each at a place of its
// own: the picture is kept once. The same picture twice in one view is two
// pictures of the document.
bool PictureScanner::WrittenThroughAnotherView(const PictureExtent& extent, uint32_t checksum,
                                               const ByteSource& view) {
    if (!m_keepOncePerView) return false;
    auto key = std::make_tuple(extent.kind, extent.end - extent.start, checksum);
    auto written = m_writtenPictures.emplace(key, &view);
    return !written.second && written.first->second != &view;
}

void PictureScanner::GiveBackNumber(PictureKind kind) {
    --(kind == PictureKind::Jpeg ? m_jpegCount : m_pngCount);
}

bool PictureScanner::FinishPicture(PictureFile& picture, bool written, bool readWhole) {
    bool closed = picture.Close();
    if (!closed || !written || !readWhole) {
        picture.Remove();
        Fail(closed && written ? ScanMessage::ReadError : ScanMessage::WriteError);
        return false;
    }
    ++m_result.pictureCount;
    return true;
}

std::unique_ptr<PictureFile> PictureScanner::CreateNextPicture(PictureKind kind) {
    if (m_firstPicture) {
        m_firstPicture = false;
        m_files.MakeDirectory(m_outputDirectory);
        m_result.outputDirectory = m_outputDirectory;
    }
    std::string path = NextPicturePath(kind);
    if (m_files.Exists(path)) {
        m_result.runAborted = true;
        Fail(ScanMessage::DirectoryExists);
        return nullptr;
    }
    std::unique_ptr<PictureFile> picture = m_files.CreatePicture(path);
    if (!picture) Fail(ScanMessage::WriteError);
    return picture;
}

std::string PictureScanner::NextPicturePath(PictureKind kind) {
    int number = kind == PictureKind::Jpeg ? ++m_jpegCount : ++m_pngCount;
    const char* extension = kind == PictureKind::Jpeg ? ".jpg" : ".gif";
    return JoinPath(m_outputDirectory, std::to_string(number) + extension);
}

void PictureScanner::Fail(ScanMessage message) {
    m_stopped = true;
    m_result.completed = false;
    m_reporter.ReportScanMessage(message);
}
