// WorkbookDrawing.h: the drawing data of a workbook stream (.xls), where the
// pictures of every sheet are kept, joined across its records.
#pragma once

#include "recovery/bytes/ByteSource.h"
#include "recovery/bytes/Checkpoints.h"

#include <memory>
#include <string>

// A workbook stream is a sequence of records of at most 8,224 bytes, each
// behind a four-byte header. Drawing data is cut into records of its own,
// with other records between them, and a long one goes on in continuation
// records. This view holds the bodies of those records one after another, so
// that a picture cut into records reads whole.
class WorkbookDrawing : public ByteSource {
public:
    // Which records a view joins: the drawing group and the sheets' drawings
    // with their continuations, or the pictures of page headers and footers,
    // which have records and a header of their own.
    enum class Records { Drawings, HeaderFooterPictures };

    static bool IsWorkbookStream(const std::string& streamName);
    // A workbook stream opens with a beginning-of-file record.
    static bool StartsLikeWorkbook(ByteSource& stream);
    // nullptr when the stream holds no such record.
    static std::shared_ptr<WorkbookDrawing> Open(std::shared_ptr<ByteSource> stream, Records records);

    uint64_t Size() const override { return kUnknownSize; }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override { return ViewEnd(m_stream->EndReason(), m_end); }
    FilePlace Place(uint64_t offset) override;
    uint64_t PlaceRun(uint64_t offset) override;
    // Where the byte at offset lies in the workbook stream, as a user's
    // viewer of the stream shows it.
    uint64_t StreamOffset(uint64_t offset);

private:
    // One record body of the drawing data.
    struct Piece {
        uint64_t offset = 0;      // where the view's bytes of this body start
        uint64_t streamBody = 0;  // where the body lies in the stream
        uint16_t length = 0;
    };

    WorkbookDrawing(std::shared_ptr<ByteSource> stream, Records records, Piece first);
    // The first piece at or after the stream offset; false when none is left.
    static bool FindPiece(ByteSource& stream, Records records, uint64_t from, bool continuing,
                          Piece& piece);
    bool MoveTo(uint64_t offset);
    bool NextPiece();

    std::shared_ptr<ByteSource> m_stream;
    Records m_records;
    Piece m_piece;                     // the piece holding the last byte read
    Checkpoints<Piece> m_checkpoints;  // every so many pieces, for reading back
    size_t m_pieceIndex = 0;
    DataEnd m_end = DataEnd::Whole;  // why the last short read was short
};
