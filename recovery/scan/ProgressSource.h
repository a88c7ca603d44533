// ProgressSource.h: the document as a scan reads it, with its caller kept
// informed and able to stop it.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class ScanReporter;

// Every read of the document passes here, whichever pass or container view
// asks for it, so that the caller hears of progress also while a long picture
// or a container's stream is read. The count of bytes read is reported once
// per kReportStep, which bounds both the cost of the reports and the time
// between them, and each report is followed by the question whether to stop.
//
// Once the caller asked to stop, the document reads as if it ended where the
// scan is, unless a picture is being written: that one is read on to its end,
// so that every picture file the scan leaves is whole. Searches, container
// readers and picture walks thus come to an end of their data, which they
// and the readers above them tell from the data's real end by EndReason().
class ProgressSource : public ByteSource {
public:
    static constexpr uint64_t kReportStep = 1 << 20;

    ProgressSource(std::shared_ptr<ByteSource> document, ScanReporter& reporter);

    // The scan reads the document `passes` times over; the reads from now on
    // belong to pass `pass` (from 0). Each pass counts for an equal share.
    void BeginPass(int pass, int passes);
    bool StopRequested() const { return m_stopRequested; }

    // Marks the time a picture is being written, during which reads go on
    // whatever the caller asked.
    class Writing {
    public:
        explicit Writing(ProgressSource& source) : m_source(source) { m_source.m_writing = true; }
        ~Writing() { m_source.m_writing = false; }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        ProgressSource& m_source;
    };

    uint64_t Size() const override { return m_document->Size(); }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override;
    DataEnd EndReason() const override;
    FilePlace Place(uint64_t offset) override { return m_document->Place(offset); }
    uint64_t PlaceRun(uint64_t offset) override { return m_document->PlaceRun(offset); }
    void ReleaseCaches() override { m_document->ReleaseCaches(); }

private:
    void Count(uint64_t bytes);
    // The share of the document done, in bytes of its length.
    uint64_t Done() const;

    std::shared_ptr<ByteSource> m_document;
    ScanReporter& m_reporter;
    int m_pass = 0;
    int m_passes = 1;
    uint64_t m_passBytes = 0;
    uint64_t m_sinceReport = 0;
    uint64_t m_readEnd = 0;  // where the last read ended
    bool m_writing = false;
    bool m_stopRequested = false;
};
