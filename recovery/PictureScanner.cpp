// PictureScanner.cpp
#include "recovery/PictureScanner.h"

#include "recovery/DocumentReader.h"
#include "recovery/JpegWalk.h"
#include "recovery/PictureFile.h"
#include "recovery/PictureFiles.h"
#include "recovery/PngWalk.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr size_t kSignatureSize = 5;
// Start of image, then an APP0 marker whose length starts with a zero byte.
constexpr uint8_t kJpegSignature[kSignatureSize] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
constexpr uint8_t kPngSignature[kSignatureSize] = {0x89, 0x50, 0x4E, 0x47, 0x0D};

bool IsSignatureAt(const uint8_t* p, const uint8_t* signature)
{
    return std::memcmp(p, signature, kSignatureSize) == 0;
}

// The next position in [from, end) holding the byte, or end.
const uint8_t* Next(const uint8_t* from, const uint8_t* end, uint8_t byte)
{
    const void* found = std::memchr(from, byte, end - from);
    return found != nullptr ? static_cast<const uint8_t*>(found) : end;
}

// The first position in [from, end) where a whole signature starts, or end.
// The five bytes from every position before end must be readable. Each
// signature's first byte is looked for on its own with memchr, the fastest
// search the C runtime offers on every platform.
const uint8_t* FindStart(const uint8_t* from, const uint8_t* end)
{
    const uint8_t* jpeg = Next(from, end, kJpegSignature[0]);
    const uint8_t* png = Next(from, end, kPngSignature[0]);
    while (jpeg != end || png != end) {
        if (jpeg < png) {
            if (IsSignatureAt(jpeg, kJpegSignature))
                return jpeg;
            jpeg = Next(jpeg + 1, end, kJpegSignature[0]);
        } else {
            if (IsSignatureAt(png, kPngSignature))
                return png;
            png = Next(png + 1, end, kPngSignature[0]);
        }
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
    // A read error can look like the document's end: such a picture is not whole.
    if (!written || (!ended && reader.ReadFailed())) {
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
