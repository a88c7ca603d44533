// WorkbookDrawing.cpp
#include "recovery/containers/WorkbookDrawing.h"

#include <algorithm>

namespace {

constexpr uint16_t kDrawingGroup = 0x00EB;
constexpr uint16_t kDrawing = 0x00EC;
constexpr uint16_t kContinue = 0x003C;
constexpr uint16_t kTextObject = 0x01B6;
constexpr uint16_t kBeginningOfFile = 0x0809;
constexpr size_t kTextObjectCounts = 14;
constexpr uint16_t kHeaderFooterPicture = 0x0866;
// A header and footer picture record starts with its own header: the
// record's type and flags again, reserved bytes, and the joined data's flags.
constexpr uint16_t kHeaderFooterPictureHeader = 14;
constexpr size_t kRecordHeader = 4;
constexpr size_t kPiecesPerCheckpoint = 64;

struct Record {
    uint16_t type = 0;
    uint16_t length = 0;
};

bool ReadRecord(ByteSource& stream, uint64_t offset, Record& record) {
    uint8_t header[kRecordHeader];
    if (!ReadExactly(stream, offset, header, sizeof header)) return false;
    record.type = Little16(header);
    record.length = Little16(header + 2);
    return true;
}

// A text box's record is followed by continuation records of its own, its
// text and then its formatting runs; only the continuation records after
// those go on with the drawing.
class TextContinuations {
public:
    void Begin(ByteSource& stream, uint64_t body, uint16_t length) {
        uint8_t counts[kTextObjectCounts];
        m_textLeft = 0;
        m_runsLeft = 0;
        if (length < sizeof counts || !ReadExactly(stream, body, counts, sizeof counts)) return;
        m_textLeft = Little16(counts + 10);
        m_runsLeft = Little16(counts + 12);
    }
    // True when the continuation record is the text box's own.
    bool Take(ByteSource& stream, uint64_t body, uint16_t length) {
        if (m_textLeft > 0) {
            uint8_t flags = 0;
            if (length == 0 || !ReadExactly(stream, body, &flags, 1)) {
                m_textLeft = 0;
                return true;
            }
            uint32_t characters = (length - 1u) / ((flags & 1) != 0 ? 2 : 1);
            m_textLeft -= std::min(m_textLeft, std::max<uint32_t>(characters, 1));
            return true;
        }
        if (m_runsLeft > 0) {
            m_runsLeft -= std::min<uint32_t>(m_runsLeft, std::max<uint16_t>(length, 1));
            return true;
        }
        return false;
    }

private:
    uint32_t m_textLeft = 0;
    uint32_t m_runsLeft = 0;
};

}  // namespace

bool WorkbookDrawing::IsWorkbookStream(const std::string& streamName) {
    return streamName == "Workbook" || streamName == "Book";
}

bool WorkbookDrawing::StartsLikeWorkbook(ByteSource& stream) {
    Record record;
    return ReadRecord(stream, 0, record) && record.type == kBeginningOfFile;
}

std::shared_ptr<WorkbookDrawing> WorkbookDrawing::Open(std::shared_ptr<ByteSource> stream,
                                                       Records records) {
    Piece first;
    if (!FindPiece(*stream, records, 0, false, first)) return nullptr;
    return std::shared_ptr<WorkbookDrawing>(new WorkbookDrawing(std::move(stream), records, first));
}

WorkbookDrawing::WorkbookDrawing(std::shared_ptr<ByteSource> stream, Records records, Piece first)
    : m_stream(std::move(stream)),
      m_records(records),
      m_piece(first),
      m_checkpoints(kPiecesPerCheckpoint, first) {}

// Records of other kinds lie between the drawing records (a sheet's shapes
// have their object and text records between them): they are passed over. A
// continuation record goes on with the drawing data right behind it, or
// behind a text box's records inside the drawing.
bool WorkbookDrawing::FindPiece(ByteSource& stream, Records records, uint64_t from,
                                bool continuing, Piece& piece) {
    Record record;
    TextContinuations text;
    for (uint64_t at = from; ReadRecord(stream, at, record); at += kRecordHeader + record.length) {
        uint64_t body = at + kRecordHeader;
        if (records == Records::HeaderFooterPictures) {
            if (record.type != kHeaderFooterPicture || record.length < kHeaderFooterPictureHeader)
                continue;
            piece.streamBody = body + kHeaderFooterPictureHeader;
            piece.length = static_cast<uint16_t>(record.length - kHeaderFooterPictureHeader);
            return true;
        }
        if (record.type == kTextObject) {
            text.Begin(stream, body, record.length);
            continue;
        }
        if (record.type == kContinue && text.Take(stream, body, record.length)) continue;
        if (record.type == kDrawingGroup || record.type == kDrawing ||
            (continuing && record.type == kContinue)) {
            piece.streamBody = body;
            piece.length = record.length;
            return true;
        }
        continuing = false;
    }
    return false;
}

bool WorkbookDrawing::NextPiece() {
    Piece next;
    if (!FindPiece(*m_stream, m_records, m_piece.streamBody + m_piece.length, true, next))
        return false;
    next.offset = m_piece.offset + m_piece.length;
    m_piece = next;
    ++m_pieceIndex;
    m_checkpoints.Reached(m_pieceIndex, m_piece);
    return true;
}

bool WorkbookDrawing::MoveTo(uint64_t offset) {
    if (offset < m_piece.offset) {
        auto kept = m_checkpoints.LastNotPast([offset](const Piece& piece) { return piece.offset > offset; });
        m_piece = kept.state;
        m_pieceIndex = static_cast<size_t>(kept.step);
    }
    while (offset >= m_piece.offset + m_piece.length) {
        if (!NextPiece()) return false;
    }
    return true;
}

size_t WorkbookDrawing::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    size_t done = 0;
    while (done < size) {
        // The records run out where the stream does, or where no more drawing records come.
        if (!MoveTo(offset)) {
            m_end = m_stream->EndReason();
            break;
        }
        uint64_t within = offset - m_piece.offset;
        size_t piece =
            static_cast<size_t>(std::min<uint64_t>(size - done, m_piece.length - within));
        size_t got = m_stream->ReadAt(m_piece.streamBody + within, into + done, piece);
        done += got;
        offset += got;
        // A record's header told more bytes than its stream holds.
        if (got < piece) {
            m_end = CutBy(m_stream->EndReason());
            break;
        }
    }
    return done;
}

FilePlace WorkbookDrawing::Place(uint64_t offset) {
    if (!MoveTo(offset)) return m_stream->Place(m_piece.streamBody);
    return m_stream->Place(m_piece.streamBody + (offset - m_piece.offset));
}

uint64_t WorkbookDrawing::StreamOffset(uint64_t offset) {
    if (!MoveTo(offset)) return m_piece.streamBody + m_piece.length;
    return m_piece.streamBody + (offset - m_piece.offset);
}

uint64_t WorkbookDrawing::PlaceRun(uint64_t offset) {
    if (!MoveTo(offset)) return 0;
    uint64_t within = offset - m_piece.offset;
    return std::min<uint64_t>(m_piece.length - within, m_stream->PlaceRun(m_piece.streamBody + within));
}
