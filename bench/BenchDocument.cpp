// BenchDocument.cpp
#include "bench/BenchDocument.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}

    uint64_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }

    uint64_t Below(uint64_t bound) { return Next() % bound; }

    // Log-uniform between low and high: as many small pictures as large ones.
    uint64_t Size(uint64_t low, uint64_t high) {
        double fraction = static_cast<double>(Next() >> 11) / static_cast<double>(1ull << 53);
        return static_cast<uint64_t>(low * std::pow(static_cast<double>(high) / low, fraction));
    }

private:
    uint64_t m_state;
};

std::string Segment(uint8_t code, const std::string& body) {
    size_t length = body.size() + 2;
    return std::string{'\xFF', static_cast<char>(code), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           body;
}

std::string BigEndian32(uint32_t value) {
    return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                       static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Chunk(const char* type, const std::string& data) {
    return BigEndian32(static_cast<uint32_t>(data.size())) + type + data + "CRC!";
}

// Random bytes with the property that a zero byte follows every FF, as in
// entropy-coded JPEG data, and a restart marker every restartInterval bytes.
std::string EntropyData(Random& random, size_t size, size_t restartInterval) {
    std::string data;
    data.reserve(size + size / 128 + 16);
    int restart = 0;
    while (data.size() < size) {
        uint64_t word = random.Next();
        for (int i = 0; i < 8; ++i, word >>= 8) {
            char byte = static_cast<char>(word & 0xFF);
            data += byte;
            if (byte == '\xFF') data += '\0';
        }
        if (restartInterval != 0 && data.size() % restartInterval < 8) {
            data += '\xFF';
            data += static_cast<char>(0xD0 + (restart++ & 7));
        }
    }
    return data;
}

std::string RandomBytes(Random& random, size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i += 8) {
        uint64_t word = random.Next();
        std::memcpy(&bytes[i], &word, std::min<size_t>(8, size - i));
    }
    return bytes;
}

const std::string kJfif("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
const std::string kScanHeader("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10);

std::string Thumbnail(Random& random) {
    return std::string("\xFF\xD8", 2) + Segment(0xE0, kJfif) + Segment(0xDA, kScanHeader) +
           EntropyData(random, 300, 0) + "\xFF\xD9";
}

void WriteJpeg(BenchOutput& out, Random& random, uint64_t size) {
    std::string head = std::string("\xFF\xD8", 2) + Segment(0xE0, kJfif);
    if (random.Below(3) == 0) head += Segment(0xE1, std::string("Exif\0\0", 6) + Thumbnail(random));
    head += Segment(0xDB, RandomBytes(random, 65)) + Segment(0xC0, RandomBytes(random, 15));
    size_t restartInterval = random.Below(2) == 0 ? 0 : 1024 + random.Below(4096);
    if (restartInterval != 0) head += Segment(0xDD, std::string("\x00\x04", 2));
    out.Put(head);
    int scans = random.Below(3) == 0 ? 6 : 1;  // progressive pictures have several
    uint64_t scanSize = size / scans + 1;
    for (int scan = 0; scan < scans; ++scan) {
        out.Put(Segment(0xC4, RandomBytes(random, 28)) + Segment(0xDA, kScanHeader));
        for (uint64_t left = scanSize; left > 0;) {
            size_t piece = static_cast<size_t>(std::min<uint64_t>(left, 1 << 20));
            out.Put(EntropyData(random, piece, restartInterval));
            left -= piece;
        }
    }
    out.Put("\xFF\xD9", 2);
}

void WritePng(BenchOutput& out, Random& random, uint64_t size) {
    std::string header = std::string("\x89PNG\r\n\x1A\n", 8) +
                         Chunk("IHDR", std::string("\0\0\x01\0\0\0\x01\0\x08\x02\0\0\0", 13));
    if (random.Below(2) == 0)
        header += Chunk("tEXt", std::string("Comment\0the IEND is further on", 30));
    out.Put(header);
    for (uint64_t left = size; left > 0;) {
        size_t piece = static_cast<size_t>(std::min<uint64_t>(left, 65536));
        out.Put(Chunk("IDAT", RandomBytes(random, piece)));
        left -= piece;
    }
    out.Put(Chunk("IEND", ""));
}

// Filler holds FF and 89 bytes as often as any other, but never a start
// signature: the byte after them is changed where it could continue one, and
// no piece ends with them.
void WriteFiller(BenchOutput& out, Random& random, uint64_t size) {
    for (uint64_t left = size; left > 0;) {
        size_t piece = static_cast<size_t>(std::min<uint64_t>(left, 1 << 20));
        std::string bytes = RandomBytes(random, piece);
        for (size_t i = 0; i + 1 < bytes.size(); ++i) {
            if ((bytes[i] == '\xFF' && bytes[i + 1] == '\xD8') ||
                (bytes[i] == '\x89' && bytes[i + 1] == 'P'))
                bytes[i + 1] = 'x';
        }
        if (bytes.back() == '\xFF' || bytes.back() == '\x89') bytes.back() = 'x';
        out.Put(bytes);
        left -= piece;
    }
}

}  // namespace

BenchFile::BenchFile(const std::string& path) : m_file(std::fopen(path.c_str(), "wb")) {
    if (m_file == nullptr) throw std::runtime_error("cannot create " + path);
    std::setvbuf(m_file, nullptr, _IOFBF, 1 << 20);
}

BenchFile::~BenchFile() { std::fclose(m_file); }

void BenchFile::Write(const void* data, size_t size) {
    if (std::fwrite(data, 1, size, m_file) != size) throw std::runtime_error("write failed");
}

BenchDocumentSummary WriteBenchDocument(const std::string& path, uint64_t targetBytes,
                                        uint64_t seed) {
    BenchFile out(path);
    return WriteBenchContent(out, targetBytes, seed);
}

BenchDocumentSummary WriteBenchContent(BenchOutput& out, uint64_t targetBytes, uint64_t seed) {
    Random random(seed);
    BenchDocumentSummary summary;
    // About half the document is pictures; a mean gap of this size does that.
    const uint64_t meanGap = 300000;
    while (out.Written() < targetBytes) {
        WriteFiller(out, random, random.Below(2 * meanGap));
        uint64_t start = out.Written();
        bool jpeg = random.Below(2) == 0;
        out.BeginPicture(jpeg);
        if (jpeg) {
            WriteJpeg(out, random, random.Size(300, 2 << 20));
            ++summary.jpegCount;
        } else {
            WritePng(out, random, random.Size(300, 2 << 20));
            ++summary.pngCount;
        }
        out.EndPicture();
        summary.pictureBytes += out.Written() - start;
    }
    WriteFiller(out, random, random.Below(meanGap));
    summary.documentBytes = out.Written();
    return summary;
}

BenchDocumentSummary WriteBackToBackDocument(const std::string& path, uint64_t targetBytes,
                                             uint64_t seed) {
    BenchFile out(path);
    Random random(seed);
    BenchDocumentSummary summary;
    const std::string head = std::string("\xFF\xD8", 2) + Segment(0xE0, kJfif) +
                             Segment(0xDB, std::string(65, '\x01')) +
                             Segment(0xC0, std::string(15, '\x01')) +
                             Segment(0xC4, std::string(28, '\x01')) + Segment(0xDA, kScanHeader);
    while (out.Written() < targetBytes) {
        std::string data = EntropyData(random, 50 + random.Below(200), 0);
        std::replace(data.begin(), data.end(), '\x89', '\x88');
        out.Put(head + data + "\xFF\xD9");
        ++summary.jpegCount;
    }
    summary.documentBytes = out.Written();
    summary.pictureBytes = out.Written();
    return summary;
}
