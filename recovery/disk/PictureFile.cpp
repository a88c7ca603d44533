// PictureFile.cpp
#include "recovery/disk/PictureFile.h"

#include "base/FileAccess.h"

#include <utility>

PictureFile::PictureFile(std::string path) : m_path(std::move(path)) {}

// A picture still open here was left unfinished (the scan was cut short
// while writing it): a part of a picture is no picture.
PictureFile::~PictureFile() {
    if (m_stream != nullptr) Remove();
}

bool PictureFile::Create() {
    m_stream = OpenFile(m_path, "wb");
    return m_stream != nullptr;
}

bool PictureFile::Write(const uint8_t* data, size_t size) {
    return m_stream != nullptr && std::fwrite(data, 1, size, m_stream) == size;
}

bool PictureFile::Close() {
    if (m_stream == nullptr) return false;
    bool written = std::ferror(m_stream) == 0;
    written = std::fclose(m_stream) == 0 && written;
    m_stream = nullptr;
    return written;
}

void PictureFile::Remove() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    RemoveFile(m_path);
}
