// JpegWalk.cpp
#include "recovery/pictures/JpegWalk.h"

#include "recovery/pictures/BrokenWalks.h"
#include "recovery/bytes/DocumentReader.h"

#include <cstdint>

namespace {

constexpr uint8_t kMarkerPrefix = 0xFF;
constexpr uint8_t kStuffedZero = 0x00;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kTemporary = 0x01;
constexpr uint8_t kFirstRestart = 0xD0;
constexpr uint8_t kLastRestart = 0xD7;
constexpr uint8_t kFirstSegment = 0xC0;
constexpr uint8_t kHuffmanTables = 0xC4;
constexpr uint8_t kExtension = 0xC8;
constexpr uint8_t kArithmeticConditioning = 0xCC;
constexpr uint8_t kLastFrame = 0xCF;
constexpr uint8_t kLineCount = 0xDC;
constexpr uint8_t kRestartInterval = 0xDD;
constexpr uint8_t kFirstReserved = 0xF0;
constexpr uint8_t kLastReserved = 0xFD;
constexpr uint32_t kLineCountLength = 4;
constexpr uint32_t kRestartIntervalLength = 4;
constexpr uint32_t kScanHeadBase = 6;  // length, component count and spectral bytes
constexpr uint8_t kMostScanComponents = 4;

enum class WalkEnd { EndOfImage, Broken };

bool IsRestart(uint8_t code) { return code >= kFirstRestart && code <= kLastRestart; }

// Markers that stand alone, without a length field.
bool IsStandalone(uint8_t code) { return IsRestart(code) || code == kTemporary; }

// Markers that carry a length field. Codes below C0 are reserved, and a
// second start of image cannot occur inside a picture.
bool HasLength(uint8_t code) {
    return code >= kFirstSegment && code != kStartOfImage && code != kEndOfImage &&
           !IsRestart(code) && code != kMarkerPrefix;
}

// Start-of-frame markers: the frame header every picture needs before its scans.
bool IsFrame(uint8_t code) {
    return code >= kFirstSegment && code <= kLastFrame && code != kHuffmanTables &&
           code != kExtension && code != kArithmeticConditioning;
}

// Whether a segment can stand where the walk reached it. The entropy-coded
// data of a picture cut short runs on into whatever follows it, where an FF
// byte now and then looks like a marker; the segments whose form is fixed
// tell those apart, so that such a walk breaks instead of jumping along
// random lengths into a later picture and taking it as its own end.
bool SegmentHolds(DocumentReader& reader, uint8_t code, uint32_t length, bool scanSeen) {
    // No frame header, nor a reserved segment, follows a scan.
    if (scanSeen &&
        (IsFrame(code) || code == kExtension || (code >= kFirstReserved && code <= kLastReserved)))
        return false;
    if (code == kLineCount) return length == kLineCountLength;
    if (code == kRestartInterval) return length == kRestartIntervalLength;
    if (code == kStartOfScan) {
        if (!reader.Ensure(5)) return false;
        uint8_t components = reader.Cursor()[4];
        return components >= 1 && components <= kMostScanComponents &&
               length == kScanHeadBase + 2u * components;
    }
    return true;
}

// Moves past entropy-coded data to the next marker. Stuffed zeros, restart
// markers and fill bytes belong to the data. False when the document ends.
bool SkipEntropyData(DocumentReader& reader) {
    const uint8_t prefix[] = {kMarkerPrefix};
    for (;;) {
        if (!reader.SkipTo(prefix, 1) || !reader.Ensure(2)) return false;
        uint8_t code = reader.Cursor()[1];
        if (code == kMarkerPrefix) {
            reader.Skip(1);
        } else if (code == kStuffedZero || IsRestart(code)) {
            reader.Skip(2);
        } else {
            return true;
        }
    }
}

// Walks marker by marker from the cursor. When it returns Broken, the cursor
// is where the structure stopped making sense. scanSeen tells whether a scan
// was passed; with frameFirst, a scan before any frame header is Broken.
// trusted is where the last segment taken by its length starts: bytes before
// it belong to the picture. Entropy-coded data shows no structure of its own,
// so from the first scan on it stays at that scan's marker. frameSeenAtEnd,
// when given, tells at the end of image whether a frame header was passed.
WalkEnd WalkMarkers(DocumentReader& reader, bool frameFirst, bool& scanSeen, uint64_t& trusted,
                    BrokenWalks* broken = nullptr, bool* frameSeenAtEnd = nullptr) {
    bool frameSeen = false;
    for (;;) {
        if (broken != nullptr &&
            broken->Known(reader.Position(), (frameSeen ? 2 : 0) + (scanSeen ? 1 : 0)))
            return WalkEnd::Broken;
        if (!reader.Ensure(2) || reader.Cursor()[0] != kMarkerPrefix) return WalkEnd::Broken;
        uint8_t code = reader.Cursor()[1];
        if (code == kMarkerPrefix) {
            reader.Skip(1);
            continue;
        }
        if (code == kEndOfImage) {
            reader.Skip(2);
            if (frameSeenAtEnd != nullptr) *frameSeenAtEnd = frameSeen;
            return WalkEnd::EndOfImage;
        }
        if (IsStandalone(code)) {
            reader.Skip(2);
            continue;
        }
        if (!HasLength(code) || !reader.Ensure(4)) return WalkEnd::Broken;
        uint32_t length = (uint32_t{reader.Cursor()[2]} << 8) | reader.Cursor()[3];
        if (length < 2 || 2 + uint64_t{length} > reader.Remaining() ||
            !SegmentHolds(reader, code, length, scanSeen))
            return WalkEnd::Broken;
        frameSeen = frameSeen || IsFrame(code);
        if (code == kStartOfScan) {
            if (frameFirst && !frameSeen) return WalkEnd::Broken;
            if (!scanSeen) trusted = reader.Position();
            scanSeen = true;
        } else if (!scanSeen) {
            trusted = reader.Position();
        }
        reader.SkipAhead(2 + length);
        if (code == kStartOfScan && !SkipEntropyData(reader)) return WalkEnd::Broken;
    }
}

}  // namespace

bool WalkJpegPicture(DocumentReader& reader, uint64_t& trusted, bool* image) {
    trusted = reader.Position();
    reader.Skip(2);
    bool scanSeen = false;
    bool frameSeen = false;
    bool ended =
        WalkMarkers(reader, false, scanSeen, trusted, nullptr, &frameSeen) == WalkEnd::EndOfImage;
    if (image != nullptr) *image = frameSeen || scanSeen;
    return ended;
}

bool SkipToJpegEnd(DocumentReader& reader) {
    const uint8_t endMarker[] = {kMarkerPrefix, kEndOfImage};
    return reader.SkipTo(endMarker, sizeof endMarker) && reader.SkipAhead(sizeof endMarker);
}

bool IsJpegSegmentMarker(uint8_t code) { return HasLength(code); }

bool JpegStructureHolds(DocumentReader& reader, BrokenWalks& broken) {
    if (!reader.Ensure(2) || reader.Cursor()[0] != kMarkerPrefix ||
        reader.Cursor()[1] != kStartOfImage)
        return false;
    reader.Skip(2);
    bool scanSeen = false;
    uint64_t trusted = 0;
    bool holds =
        WalkMarkers(reader, true, scanSeen, trusted, &broken) == WalkEnd::EndOfImage && scanSeen;
    broken.Ended(holds);
    return holds;
}
