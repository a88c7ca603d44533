// PictureFile.h: one picture file being written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// A picture counts only once every byte reached the disk, so each write and
// the final close are checked, and a picture that failed can remove itself.
class PictureFile {
public:
    explicit PictureFile(std::string path);
    virtual ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // Creates (truncates) the file for binary writing.
    bool Create();
    virtual bool Write(const uint8_t* data, size_t size);
    // Flushes and closes; false when data could not be written.
    virtual bool Close();
    // Closes the file if still open and deletes it.
    void Remove();
    const std::string& Path() const { return m_path; }

protected:
    std::string m_path;
    std::FILE* m_stream = nullptr;
};
