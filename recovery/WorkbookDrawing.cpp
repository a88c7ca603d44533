// WorkbookDrawing.cpp
#include "recovery/WorkbookDrawing.h"

#include <algorithm>
#include <string>

namespace {

constexpr uint16_t kDrawingGroup = 0x00EB;
constexpr uint16_t kContinue = 0x003C;
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

}  // namespace

bool WorkbookDrawing::IsWorkbookStream(const std::string& streamName) {
    return streamName == "Workbook" || streamName == "Book";
}

std::shared_ptr<WorkbookDrawing> WorkbookDrawing::Open(std::shared_ptr<ByteSource> stream) {
    Record record;
    for (uint64_t at = 0; ReadRecord(*stream, at, record); at += kRecordHeader + record.length) {
        if (record.type == kDrawingGroup) {
            Piece first{0, at + kRecordHeader, record.length};
            return std::shared_ptr<WorkbookDrawing>(new WorkbookDrawing(std::move(stream), first));
        }
    }
    return nullptr;
}

WorkbookDrawing::WorkbookDrawing(std::shared_ptr<ByteSource> stream, Piece first)
    : m_stream(std::move(stream)), m_piece(first), m_checkpoints(kPiecesPerCheckpoint, first) {}

// The next body of the drawing group: a continuation record, or a further
// drawing group record when the writer started a new one.
bool WorkbookDrawing::NextPiece() {
    Record record;
    uint64_t at = m_piece.streamBody + m_piece.length;
    if (!ReadRecord(*m_stream, at, record) ||
        (record.type != kContinue && record.type != kDrawingGroup))
        return false;
    m_piece = Piece{m_piece.offset + m_piece.length, at + kRecordHeader, record.length};
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
    while (done < size && MoveTo(offset)) {
        uint64_t within = offset - m_piece.offset;
        size_t piece =
            static_cast<size_t>(std::min<uint64_t>(size - done, m_piece.length - within));
        size_t got = m_stream->ReadAt(m_piece.streamBody + within, into + done, piece);
        done += got;
        offset += got;
        if (got < piece) break;
    }
    return done;
}

FilePlace WorkbookDrawing::Place(uint64_t offset) {
    if (!MoveTo(offset)) return m_stream->Place(m_piece.streamBody);
    return m_stream->Place(m_piece.streamBody + (offset - m_piece.offset));
}
