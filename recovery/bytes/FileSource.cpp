// FileSource.cpp
#include "recovery/bytes/FileSource.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kHeadSize = 512;

// The file's length, or kUnknownSize when it cannot be told.
uint64_t FileLength(std::FILE* file) {
#ifdef _WIN32
    struct _stati64 status;
    if (_fstati64(_fileno(file), &status) == 0 && status.st_size >= 0)
        return static_cast<uint64_t>(status.st_size);
#else
    struct stat status;
    if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode))
        return static_cast<uint64_t>(status.st_size);
#endif
    return ByteSource::kUnknownSize;
}

bool Seek(std::FILE* file, uint64_t offset) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

}  // namespace

FileSource::FileSource(std::FILE* file)
    : m_file(file), m_size(FileLength(file)), m_head(kHeadSize) {
    // The reader fills its own large buffer; a second one would only copy.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_head.resize(ReadFile(0, m_head.data(), m_head.size()));
}

FileSource::~FileSource() { std::fclose(m_file); }

size_t FileSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    // Past the end there is nothing to read, and nothing to seek to.
    if (size == 0 || (m_size != kUnknownSize && offset >= m_size)) return 0;
    size_t fromHead = 0;
    if (offset < m_head.size()) {
        fromHead = std::min<size_t>(size, m_head.size() - static_cast<size_t>(offset));
        std::memcpy(into, m_head.data() + offset, fromHead);
        if (fromHead == size || m_head.size() < kHeadSize) return fromHead;
        offset += fromHead;
        into += fromHead;
        size -= fromHead;
    }
    return fromHead + ReadFile(offset, into, size);
}

size_t FileSource::ReadFile(uint64_t offset, uint8_t* into, size_t size) {
    if (offset != m_position && !Seek(m_file, offset)) {
        m_failed = true;
        return 0;
    }
    size_t got = std::fread(into, 1, size, m_file);
    m_position = offset + got;
    if (got < size && std::ferror(m_file) != 0) m_failed = true;
    return got;
}
