// InflateSource.cpp
#include "recovery/bytes/InflateSource.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kInputSize = 16 * 1024;
constexpr size_t kSkipSize = 16 * 1024;
// The first decoder states are saved this far apart; when kMostSaved are
// kept, every other one is dropped and the spacing doubles.
constexpr uint64_t kFirstSaveSpacing = 1 << 20;
constexpr size_t kMostSaved = 32;

}  // namespace

uint64_t PlausiblyInflated(uint64_t compressed, uint64_t floor) {
    if (compressed > (ByteSource::kUnknownSize - floor) / kPlausibleInflationRatio)
        return ByteSource::kUnknownSize;
    return compressed * kPlausibleInflationRatio + floor;
}

InflationBudget::InflationBudget(uint64_t documentSize)
    : m_left(PlausiblyInflated(documentSize, kFloor)) {}

size_t InflationBudget::Spend(size_t wanted) {
    size_t granted = static_cast<size_t>(std::min<uint64_t>(wanted, m_left));
    m_left -= granted;
    return granted;
}

void InflationBudget::Refund(size_t unused) {
    m_left = unused > ByteSource::kUnknownSize - m_left ? ByteSource::kUnknownSize : m_left + unused;
}

// A decoder state as zlib copies it, with where it stood in both streams.
struct InflateSource::SavedState {
    z_stream stream{};
    uint64_t input = 0;
    uint64_t output = 0;

    ~SavedState() { inflateEnd(&stream); }
};

InflateSource::InflateSource(std::shared_ptr<ByteSource> parent, uint64_t start,
                             uint64_t compressedSize, uint64_t size,
                             std::shared_ptr<InflationBudget> budget, Wrapping wrapping)
    : m_parent(std::move(parent)),
      m_start(start),
      m_compressedSize(compressedSize),
      m_size(size),
      m_budget(std::move(budget)),
      m_wrapping(wrapping),
      m_saveSpacing(kFirstSaveSpacing) {}

InflateSource::~InflateSource() { ReleaseCaches(); }

void InflateSource::ReleaseCaches() {
    if (m_stream) inflateEnd(m_stream.get());
    m_stream.reset();
    m_saved.clear();
    std::vector<uint8_t>().swap(m_input);
    std::vector<uint8_t>().swap(m_recent);
    m_position = 0;
    m_recentFill = 0;
}

bool InflateSource::Start() {
    ReleaseCaches();
    m_stream = std::make_unique<z_stream>();
    int windowBits = m_wrapping == Wrapping::Raw ? -MAX_WBITS : MAX_WBITS;
    if (inflateInit2(m_stream.get(), windowBits) != Z_OK) {
        m_stream.reset();
        m_streamEnd = DataEnd::Failed;
        return false;
    }
    m_input.resize(kInputSize);
    m_recent.resize(static_cast<size_t>(std::min<uint64_t>(kRecentSize, m_size)));
    m_inputPosition = 0;
    m_inputEnded = false;
    m_ended = false;
    return true;
}

// Goes back to the last saved state at or before offset, or to the start.
bool InflateSource::Resume(uint64_t offset) {
    auto later = std::upper_bound(
        m_saved.begin(), m_saved.end(), offset,
        [](uint64_t at, const std::unique_ptr<SavedState>& saved) { return at < saved->output; });
    if (later == m_saved.begin()) return Start();
    SavedState& saved = **(later - 1);
    inflateEnd(m_stream.get());
    if (inflateCopy(m_stream.get(), &saved.stream) != Z_OK) {
        m_stream.reset();
        return Start();
    }
    m_stream->next_in = m_input.data();
    m_stream->avail_in = 0;
    m_inputPosition = saved.input;
    m_position = saved.output;
    m_recentFill = 0;
    m_inputEnded = false;
    m_ended = false;
    return true;
}

void InflateSource::Save() {
    auto saved = std::make_unique<SavedState>();
    if (inflateCopy(&saved->stream, m_stream.get()) != Z_OK) return;
    saved->input = m_inputPosition - m_stream->avail_in;
    saved->output = m_position;
    m_saved.push_back(std::move(saved));
    if (m_saved.size() < kMostSaved) return;
    std::vector<std::unique_ptr<SavedState>> kept;
    for (size_t i = 1; i < m_saved.size(); i += 2) kept.push_back(std::move(m_saved[i]));
    m_saved.swap(kept);
    m_saveSpacing *= 2;
}

// Hands zlib the next compressed bytes; false when there are none.
bool InflateSource::Refeed() {
    uint64_t left =
        m_compressedSize == kUnknownSize ? kInputSize : m_compressedSize - m_inputPosition;
    size_t wanted = static_cast<size_t>(std::min<uint64_t>(kInputSize, left));
    size_t got =
        wanted == 0 ? 0 : m_parent->ReadAt(m_start + m_inputPosition, m_input.data(), wanted);
    if (got == 0) {
        m_inputEnded = true;
        // A deflate stream that needs more than its entry holds is cut.
        m_inputEnd = wanted == 0 ? DataEnd::Broken : CutBy(m_parent->EndReason());
        return false;
    }
    m_inputPosition += got;
    m_stream->next_in = m_input.data();
    m_stream->avail_in = static_cast<uInt>(got);
    return true;
}

size_t InflateSource::Inflate(uint8_t* into, size_t size) {
    z_stream& stream = *m_stream;
    size_t done = 0;
    while (done < size && !m_ended) {
        uint64_t savePoint = (m_saved.size() + 1) * m_saveSpacing;
        uint64_t untilSave = savePoint > m_position ? savePoint - m_position : kUnknownSize;
        size_t piece = static_cast<size_t>(std::min<uint64_t>(size - done, untilSave));
        // Bytes never produced before are paid for once.
        uint64_t fresh = m_position + piece > m_produced ? m_position + piece - m_produced : 0;
        size_t granted = m_budget->Spend(static_cast<size_t>(fresh));
        piece -= static_cast<size_t>(fresh - granted);
        if (piece == 0) {
            End(false, DataEnd::Spent);
            break;
        }
        stream.next_out = into + done;
        stream.avail_out = static_cast<uInt>(piece);
        int status = Z_OK;
        while (stream.avail_out > 0 && status == Z_OK) {
            // Input used up is no end: zlib may still hold output.
            if (stream.avail_in == 0 && !m_inputEnded) Refeed();
            status = inflate(&stream, Z_NO_FLUSH);
        }
        size_t produced = piece - stream.avail_out;
        Remember(into + done, produced);
        done += produced;
        m_position += produced;
        m_budget->Refund(granted - static_cast<size_t>(std::min<uint64_t>(
                                        granted, m_position > m_produced ? m_position - m_produced : 0)));
        m_produced = std::max(m_produced, m_position);
        // Z_BUF_ERROR: no input left and nothing held back; anything else: damaged data.
        if (status == Z_STREAM_END)
            End(true, DataEnd::Whole);
        else if (status != Z_OK)
            End(false, status == Z_BUF_ERROR ? m_inputEnd : DataEnd::Broken);
        else if (m_position == savePoint)
            Save();
    }
    return done;
}

void InflateSource::End(bool complete, DataEnd why) {
    m_ended = true;
    m_streamEnd = why;
    m_complete = m_complete || complete;
    m_consumed = m_inputPosition - m_stream->avail_in;
}

void InflateSource::Remember(const uint8_t* bytes, size_t size) {
    const size_t capacity = m_recent.size();
    if (capacity == 0 || size == 0) return;
    uint64_t first = m_position;  // the caller moves on past these bytes afterwards
    if (size > capacity) {
        bytes += size - capacity;
        first += size - capacity;
        size = capacity;
    }
    size_t at = static_cast<size_t>(first % capacity);
    size_t head = std::min(size, capacity - at);
    std::memcpy(&m_recent[at], bytes, head);
    std::memcpy(&m_recent[0], bytes + head, size - head);
    m_recentFill = std::min(capacity, m_recentFill + size);
}

size_t InflateSource::CopyRecent(uint64_t offset, uint8_t* into, size_t size) const {
    if (offset >= m_position || m_position - offset > m_recentFill) return 0;
    const size_t capacity = m_recent.size();
    size = static_cast<size_t>(std::min<uint64_t>(size, m_position - offset));
    size_t at = static_cast<size_t>(offset % capacity);
    size_t head = std::min(size, capacity - at);
    std::memcpy(into, &m_recent[at], head);
    std::memcpy(into + head, &m_recent[0], size - head);
    return size;
}

size_t InflateSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    if (size == 0) return 0;
    size_t wanted =
        static_cast<size_t>(offset >= m_size ? 0 : std::min<uint64_t>(size, m_size - offset));
    size_t done = wanted == 0 ? 0 : Inflated(offset, into, wanted);
    // Short of the declared size, inflating tells why.
    if (done < size) m_end = done < wanted ? m_streamEnd : DataEnd::Whole;
    return done;
}

size_t InflateSource::Inflated(uint64_t offset, uint8_t* into, size_t size) {
    size_t done = 0;
    if (m_stream && offset < m_position) {
        done = CopyRecent(offset, into, size);
        if (done == 0 && !Resume(offset)) return 0;
    } else if (!m_stream && !Start()) {
        return 0;
    }
    offset += done;
    std::vector<uint8_t> skipped;
    while (m_position < offset && !m_ended) {
        skipped.resize(kSkipSize);
        size_t step = static_cast<size_t>(std::min<uint64_t>(kSkipSize, offset - m_position));
        if (Inflate(skipped.data(), step) < step) break;
    }
    if (m_position != offset) return done;
    done += Inflate(into + done, size - done);
    // zlib tells the stream's end only when asked for more than it holds.
    if (m_position == m_size && !m_ended) {
        uint8_t beyond;
        Inflate(&beyond, 1);
    }
    return done;
}

uint64_t InflateSource::CompressedExtent() {
    if (!m_ended) {
        std::vector<uint8_t> block(kSkipSize);
        uint64_t at = m_stream ? m_position : 0;
        for (size_t got; !m_ended && (got = ReadAt(at, block.data(), block.size())) > 0;) at += got;
    }
    return m_consumed;
}

FilePlace InflateSource::Place(uint64_t offset) { return m_parent->Place(m_start).Decoded(offset); }
