// ProgressSource.cpp
#include "recovery/scan/ProgressSource.h"

#include "recovery/scan/ScanReport.h"

#include <algorithm>

ProgressSource::ProgressSource(std::shared_ptr<ByteSource> document, ScanReporter& reporter)
    : m_document(std::move(document)), m_reporter(reporter) {}

void ProgressSource::BeginPass(int pass, int passes) {
    m_pass = pass;
    m_passes = std::max(passes, 1);
    m_passBytes = 0;
    m_readEnd = 0;
}

size_t ProgressSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    if (m_stopRequested && !m_writing) return 0;
    size_t got = m_document->ReadAt(offset, into, size);
    // Bytes a search skips without reading them (a picture's long chunk) are
    // passed all the same. A picture being written is read whole after its
    // walk skipped it: those reads count instead.
    uint64_t skipped = offset > m_readEnd && !m_writing ? offset - m_readEnd : 0;
    m_readEnd = offset + got;
    Count(skipped + got);
    return got;
}

// A failed read is reported even after a stop: the user should know that
// the document could not be read.
DataEnd ProgressSource::EndReason() const {
    DataEnd below = m_document->EndReason();
    if (below != DataEnd::Failed && m_stopRequested && !m_writing) return DataEnd::Stopped;
    return below;
}

void ProgressSource::Count(uint64_t bytes) {
    m_passBytes += bytes;
    m_sinceReport += bytes;
    if (m_sinceReport < kReportStep) return;
    m_sinceReport = 0;
    const uint64_t size = m_document->Size();
    m_reporter.ReportProgress(Done(), size == kUnknownSize ? 0 : size);
    if (!m_stopRequested) m_stopRequested = m_reporter.StopRequested();
}

// A pass may read some bytes twice (a container's directory, a picture's
// structure check): what it read counts up to the document's length.
uint64_t ProgressSource::Done() const {
    const uint64_t size = m_document->Size();
    if (size == kUnknownSize || size == 0) return m_passBytes;
    const uint64_t inPass = std::min(m_passBytes, size);
    const long double share = (static_cast<long double>(m_pass) * size + inPass) / m_passes;
    return std::min(static_cast<uint64_t>(share), size);
}
