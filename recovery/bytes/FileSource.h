// FileSource.h: the document file itself as a byte source.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <cstdio>
#include <vector>

// Reads an open file, which it closes at the end; reads in order cost no
// repositioning. The file's first bytes, which tell its kind, are kept, so
// that looking at them first does not cost the scan a seek back to the start.
class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    uint64_t Size() const override { return m_size; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override { return m_failed ? DataEnd::Failed : DataEnd::Whole; }
    FilePlace Place(uint64_t offset) override { return FilePlace::InFile(offset); }

private:
    size_t ReadFile(uint64_t offset, uint8_t* into, size_t size);

    std::FILE* m_file;
    uint64_t m_size;
    uint64_t m_position = 0;
    bool m_failed = false;
    std::vector<uint8_t> m_head;
};
