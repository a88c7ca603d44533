// FileSource.cpp
#include "recovery/FileSource.h"

#include "recovery/PictureFiles.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kHeadSize = 512;

}  // namespace

FileSource::FileSource(PictureFiles& files, std::FILE* document)
    : m_files(files),
      m_document(document),
      m_size(files.DocumentLength(document)),
      m_head(kHeadSize) {
    m_head.resize(m_files.ReadDocument(m_document, m_head.data(), m_head.size()));
    m_position = m_head.size();
    m_failed = m_head.size() < kHeadSize && std::ferror(m_document) != 0;
}

size_t FileSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    if (size == 0) return 0;
    size_t fromHead = 0;
    if (offset < m_head.size()) {
        fromHead = std::min<size_t>(size, m_head.size() - static_cast<size_t>(offset));
        std::memcpy(into, m_head.data() + offset, fromHead);
        if (fromHead == size || m_head.size() < kHeadSize) return fromHead;
        offset += fromHead;
        into += fromHead;
        size -= fromHead;
    }
    if (offset != m_position && !m_files.SeekDocument(m_document, offset)) {
        m_failed = true;
        return fromHead;
    }
    size_t got = m_files.ReadDocument(m_document, into, size);
    m_position = offset + got;
    if (got < size && std::ferror(m_document) != 0) m_failed = true;
    return fromHead + got;
}
