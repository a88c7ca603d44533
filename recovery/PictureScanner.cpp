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
        if (!WriteFoundPicture(picture)) return;
    }
}

bool PictureScanner::TakePicture(DocumentReader& reader, PictureKind kind) {
    // After a stop the search still passes what it had read: nothing more is begun.
    if (m_document->StopRequested()) return false;
    ProgressSource::Writing writing(*m_document);
    std::unique_ptr<PictureFile> picture = CreateNextPicture(kind);
    if (!picture) return false;
    reader.AttachPicture(*picture);
    bool ended = SkipPicture(reader, kind);
    bool written = reader.DetachPicture();
    // A read error can look like the document's end: such a picture is not whole.
    if (!FinishPicture(*picture, written, ended || !reader.ReadFailed())) return false;
    // A picture without an end holds the rest of the document: nothing is left to scan.
    return ended;
}

bool PictureScanner::WriteFoundPicture(const FoundPicture& found) {
    std::unique_ptr<PictureFile> picture = CreateNextPicture(found.kind);
    if (!picture) return false;
    std::vector<uint8_t> block(std::min<uint64_t>(m_blockSize, found.end - found.start));
    bool read = true;
    bool written = true;
    uint32_t checksum = crc32(0, nullptr, 0);
    for (uint64_t at = found.start; at < found.end && read && written;) {
        size_t piece = static_cast<size_t>(std::min<uint64_t>(block.size(), found.end - at));
        read = found.source->ReadAt(at, block.data(), piece) == piece;
        if (read) written = picture->Write(block.data(), piece);
        checksum = crc32(checksum, block.data(), static_cast<uInt>(piece));
        at += piece;
    }
    if (read && written && WrittenThroughAnotherView(found, checksum)) {
        picture->Remove();
        GiveBackNumber(found.kind);
        return true;
    }
    return FinishPicture(*picture, written, read);
}

// A damaged package may show the same bytes through views of views (an
// entry whose data holds the next entry, and so on), each at a place of its
// own: the picture is kept once. The same picture twice in one view is two
// pictures of the document.
bool PictureScanner::WrittenThroughAnotherView(const FoundPicture& found, uint32_t checksum) {
    auto key = std::make_tuple(found.kind, found.end - found.start, checksum);
    auto written = m_writtenPictures.emplace(key, found.source.get());
    return !written.second && written.first->second != found.source.get();
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
