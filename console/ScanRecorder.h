// ScanRecorder.h: what a scan tells the console tool while it runs.
#pragma once

#include "recovery/scan/ScanReport.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Keeps the scanner's message and every picture's record for the lines
// printed when the scan ends; progress goes straight on to whoever draws it.
class ScanRecorder : public ScanReporter {
public:
    using Progress = std::function<void(uint64_t done)>;

    explicit ScanRecorder(Progress progress = nullptr) : m_progress(std::move(progress)) {}
    void ReportScanMessage(ScanMessage message) override { m_message = message; }
    void ReportPicture(const PictureRecord& record) override { m_records.push_back(record); }
    void ReportProgress(uint64_t done, uint64_t) override {
        if (m_progress) m_progress(done);
    }
    const std::optional<ScanMessage>& Message() const { return m_message; }
    std::vector<PictureRecord>& Records() { return m_records; }

private:
    Progress m_progress;
    std::optional<ScanMessage> m_message;
    std::vector<PictureRecord> m_records;
};
