// PictureScanner.cpp
#include "recovery/PictureScanner.h"

#include "recovery/DocumentReader.h"
#include "recovery/JpegWalk.h"
#include "recovery/PictureFile.h"
#include "recovery/PictureFiles.h"
#include "recovery/PngWalk.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr size_t kSignatureSize = 5;
// Start of image, then an APP0 marker whose length starts with a zero byte.
constexpr uint8_t kJpegSignature[kSignatureSize] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
constexpr uint8_t kPngSignature[kSignatureSize] = {0x89, 0x50, 0x4E, 0x47, 0x0D};

constexpr size_t kStride = 64;

// Whether a signature's first two bytes occur at one of the kStride positions
// from p on (p[kStride] must be readable). One branch-free pass that the
// compiler turns into vector code: most of a document is not pictures.
bool SignaturePairIn(const uint8_t* p)
{
    unsigned hits = 0;
    for (size_t i = 0; i < kStride; ++i) {
        hits |= (unsigned{p[i] == kJpegSignature[0]} & unsigned{p[i + 1] == kJpegSignature[1]})
            | (unsigned{p[i] == kPngSignature[0]} & unsigned{p[i + 1] == kPngSignature[1]});
    }
    return hits != 0;
}

bool IsSignatureAt(const uint8_t* p)
{
    return std::memcmp(p, kJpegSignature, kSignatureSize) == 0
        || std::memcmp(p, kPngSignature, kSignatureSize) == 0;
}

// The first position in [from, end) where a whole signature starts, or end.
// The five bytes from every position before end must be readable.
const uint8_t* FindStart(const uint8_t* from, const uint8_t* end)
{
    while (from < end) {
        size_t count = std::min<size_t>(kStride, end - from);
        if (count < kStride || SignaturePairIn(from)) {
            for (const uint8_t* p = from; p < from + count; ++p) {
                if (IsSignatureAt(p))
                    return p;
            }
        }
        from += count;
    }
    return end;
}

class DocumentCloser {
public:
    explicit DocumentCloser(std::FILE* document) : m_document(document) {}
    ~DocumentCloser() { std::fclose(m_document); }
    DocumentCloser(const DocumentCloser&) = delete;
    DocumentCloser& operator=(const DocumentCloser&) = delete;

private:
    std::FILE* m_document;
};

} // namespace

ScanResult ScanDocument(const std::string& documentPath, const std::string& outputDirectory,
                        ScanReporter& reporter)
{
    PictureFiles files;
    return PictureScanner(files, reporter).Scan(documentPath, outputDirectory);
}

PictureScanner::PictureScanner(PictureFiles& files, ScanReporter& reporter, size_t blockSize)
    : m_files(files), m_reporter(reporter), m_blockSize(blockSize)
{
}

ScanResult PictureScanner::Scan(const std::string& documentPath,
                                const std::string& outputDirectory)
{
    m_outputDirectory = outputDirectory;
    m_firstPicture = true;
    m_jpegCount = 0;
    m_pngCount = 0;
    m_result = ScanResult();
    std::FILE* document = m_files.OpenDocument(documentPath);
    if (document == nullptr) {
        Fail(ScanMessage::WriteError);
        return m_result;
    }
    DocumentCloser closer(document);
    DocumentReader reader(document, m_files.DocumentLength(document), m_blockSize);
    ScanBlocks(reader);
    return m_result;
}

void PictureScanner::ScanBlocks(DocumentReader& reader)
{
    Kind kind;
    while (FindSignature(reader, kind)) {
        if (!ExtractPicture(reader, kind))
            return;
    }
    // A document that cannot be read to its end may hide pictures.
    if (reader.ReadFailed())
        Fail(ScanMessage::WriteError);
}

// Moves the cursor to the next start signature. The last four bytes of each
// block are kept for the next one, so a signature across two reads is found.
bool PictureScanner::FindSignature(DocumentReader& reader, Kind& kind)
{
    while (reader.Ensure(kSignatureSize)) {
        const uint8_t* block = reader.Cursor();
        const uint8_t* end = block + reader.Available() - (kSignatureSize - 1);
        const uint8_t* start = FindStart(block, end);
        reader.Skip(start - block);
        if (start != end) {
            kind = *start == kJpegSignature[0] ? Kind::Jpeg : Kind::Png;
            return true;
        }
    }
    return false;
}

bool PictureScanner::ExtractPicture(DocumentReader& reader, Kind kind)
{
    if (m_firstPicture) {
        m_firstPicture = false;
        m_files.MakeDirectory(m_outputDirectory);
        m_result.outputDirectory = m_outputDirectory;
    }
    std::string path = NextPicturePath(kind);
    if (m_files.Exists(path)) {
        m_result.runAborted = true;
        Fail(ScanMessage::DirectoryExists);
        return false;
    }
    std::unique_ptr<PictureFile> picture = m_files.CreatePicture(path);
    if (!picture) {
        Fail(ScanMessage::WriteError);
        return false;
    }
    reader.AttachPicture(*picture);
    bool ended = kind == Kind::Jpeg ? SkipJpegPicture(reader) : SkipPngPicture(reader);
    bool written = reader.DetachPicture();
    written = picture->Close() && written;
    if (!written || reader.ReadFailed()) {
        picture->Remove();
        Fail(ScanMessage::WriteError);
        return false;
    }
    ++m_result.pictureCount;
    // A picture without an end holds the rest of the document: nothing is left to scan.
    return ended;
}

std::string PictureScanner::NextPicturePath(Kind kind)
{
    int number = kind == Kind::Jpeg ? ++m_jpegCount : ++m_pngCount;
    const char* extension = kind == Kind::Jpeg ? ".jpg" : ".gif";
    return PictureFiles::JoinPath(m_outputDirectory, std::to_string(number) + extension);
}

void PictureScanner::Fail(ScanMessage message)
{
    m_result.completed = false;
    m_reporter.ReportScanMessage(message);
}
