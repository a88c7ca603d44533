// CompoundFileBuilder.h: small compound files made in the tests, their
// streams laid out so that no stream's bytes lie in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CompoundFileBuilder {
public:
    // sectorShift 9 makes a version 3 file, 12 a version 4 one.
    explicit CompoundFileBuilder(unsigned sectorShift = 9) : m_shift(sectorShift) {}

    // Each stream's sectors one after another, in the order of adding, as
    // writers mostly lay them out.
    CompoundFileBuilder& InOrder() {
        m_inOrder = true;
        return *this;
    }

    // Streams shorter than 4096 bytes go into the mini stream. Unless laid
    // out in order, each stream's sectors are stored in reverse order, and
    // the streams themselves in the reverse order of their adding.
    // A name with slashes ("ObjectPool/_1234/Data") puts the stream into storages.
    CompoundFileBuilder& Stream(const std::string& name, const std::string& bytes);
    std::string Bytes() const;

private:
    std::string Directory(const std::vector<uint32_t>& starts, uint32_t miniStreamStart,
                          uint64_t miniSize) const;

    struct Entry {
        std::string name;
        std::string bytes;
    };
    unsigned m_shift;
    bool m_inOrder = false;
    std::vector<Entry> m_streams;
};
