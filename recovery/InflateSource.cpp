// InflateSource.cpp
#include "recovery/InflateSource.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr size_t kInputSize = 16 * 1024;
constexpr size_t kSkipSize = 16 * 1024;

}  // namespace

InflateSource::InflateSource(std::shared_ptr<ByteSource> parent, uint64_t start,
                             uint64_t compressedSize, uint64_t size)
    : m_parent(std::move(parent)), m_start(start), m_compressedSize(compressedSize), m_size(size) {}

InflateSource::~InflateSource() { Rest(); }

void InflateSource::Rest() {
    if (m_stream) inflateEnd(m_stream.get());
    m_stream.reset();
    std::vector<uint8_t>().swap(m_input);
    m_position = 0;
}

bool InflateSource::Restart() {
    Rest();
    m_stream = std::make_unique<z_stream>();
    // Raw deflate data, as ZIP stores it: no zlib header.
    if (inflateInit2(m_stream.get(), -MAX_WBITS) != Z_OK) {
        m_stream.reset();
        return false;
    }
    m_input.resize(kInputSize);
    m_inputPosition = 0;
    m_position = 0;
    m_ended = false;
    return true;
}

size_t InflateSource::Inflate(uint8_t* into, size_t size) {
    z_stream& stream = *m_stream;
    stream.next_out = into;
    stream.avail_out = static_cast<uInt>(size);
    while (stream.avail_out > 0 && !m_ended) {
        if (stream.avail_in == 0) {
            uint64_t left =
                m_compressedSize == kUnknownSize ? kInputSize : m_compressedSize - m_inputPosition;
            size_t wanted = static_cast<size_t>(std::min<uint64_t>(kInputSize, left));
            size_t got = wanted == 0
                             ? 0
                             : m_parent->ReadAt(m_start + m_inputPosition, m_input.data(), wanted);
            if (got == 0) {
                m_ended = true;
                break;
            }
            m_inputPosition += got;
            stream.next_in = m_input.data();
            stream.avail_in = static_cast<uInt>(got);
        }
        int status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            m_ended = true;
            m_complete = true;
            m_consumed = m_inputPosition - stream.avail_in;
        } else if (status != Z_OK) {
            m_ended = true;  // damaged data: what came before it stands
        }
    }
    size_t produced = size - stream.avail_out;
    m_position += produced;
    return produced;
}

size_t InflateSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    if (offset >= m_size) return 0;
    size = static_cast<size_t>(std::min<uint64_t>(size, m_size - offset));
    if ((!m_stream || offset < m_position) && !Restart()) return 0;
    std::vector<uint8_t> skipped;
    while (m_position < offset && !m_ended) {
        skipped.resize(kSkipSize);
        size_t step = static_cast<size_t>(std::min<uint64_t>(kSkipSize, offset - m_position));
        if (Inflate(skipped.data(), step) < step) break;
    }
    if (m_position != offset) return 0;
    size_t got = Inflate(into, size);
    // zlib tells the stream's end only when asked for more than it holds.
    if (m_position == m_size && !m_ended) {
        uint8_t beyond;
        Inflate(&beyond, 1);
    }
    return got;
}

FilePlace InflateSource::Place(uint64_t offset) {
    FilePlace place = m_parent->Place(m_start);
    place.inner = offset + 1;
    return place;
}
