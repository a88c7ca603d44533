// PictureFiles.cpp
#include "recovery/PictureFiles.h"

#include "recovery/FileAccess.h"
#include "recovery/PictureFile.h"

#include <limits>
#include <sys/stat.h>
#include <sys/types.h>

std::FILE* PictureFiles::OpenDocument(const std::string& path)
{
    std::FILE* document = OpenFile(path, "rb");
    // The reader fills its own large buffer; a second one would only copy.
    if (document != nullptr)
        std::setvbuf(document, nullptr, _IONBF, 0);
    return document;
}

uint64_t PictureFiles::DocumentLength(std::FILE* document)
{
#ifdef _WIN32
    struct _stati64 status;
    if (_fstati64(_fileno(document), &status) == 0 && status.st_size >= 0)
        return static_cast<uint64_t>(status.st_size);
#else
    struct stat status;
    if (fstat(fileno(document), &status) == 0 && S_ISREG(status.st_mode))
        return static_cast<uint64_t>(status.st_size);
#endif
    return std::numeric_limits<uint64_t>::max();
}

bool PictureFiles::SeekDocument(std::FILE* document, uint64_t offset)
{
#ifdef _WIN32
    return _fseeki64(document, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(document, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

size_t PictureFiles::ReadDocument(std::FILE* document, void* into, size_t size)
{
    return std::fread(into, 1, size, document);
}

bool PictureFiles::MakeDirectory(const std::string& path)
{
    return ::MakeDirectory(path);
}

bool PictureFiles::Exists(const std::string& path)
{
    return PathExists(path);
}

std::unique_ptr<PictureFile> PictureFiles::CreatePicture(const std::string& path)
{
    auto picture = std::make_unique<PictureFile>(path);
    if (!picture->Create())
        return nullptr;
    return picture;
}
