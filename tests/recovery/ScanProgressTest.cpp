// ScanProgressTest.cpp: what the scanner tells its caller while it reads, and
// how it ends when the caller asks it to stop.
#include "CompoundFileBuilder.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include "recovery/disk/ScanDisk.h"
#include "recovery/scan/ProgressSource.h"

#include <gtest/gtest.h>

namespace {

constexpr size_t kSmallBlocks = 64 * 1024;

struct Report {
    uint64_t done;
    uint64_t total;
};

// Keeps every report; asks to stop at the report numbered stopAt (from 1).
class StoppingReporter : public RecordingReporter {
public:
    explicit StoppingReporter(size_t stopAt = 0) : m_stopAt(stopAt) {}
    void ReportProgress(uint64_t done, uint64_t total) override {
        reports.push_back({done, total});
    }
    bool StopRequested() override { return m_stopAt != 0 && reports.size() >= m_stopAt; }
    std::vector<Report> reports;

private:
    size_t m_stopAt;
};

std::string BigEndian32(uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

// small.png with a private chunk of `extra` filler bytes after its header
// chunk: a whole PNG of any size.
std::string LargePng(size_t extra) {
    const std::string png = Fixture("small.png");
    const size_t afterHeader = 8 + 4 + 4 + 13 + 4;
    return png.substr(0, afterHeader) + BigEndian32(static_cast<uint32_t>(extra)) + "prVt" +
           Filler(extra, 7) + std::string(4, '\0') + png.substr(afterHeader);
}

struct Scan {
    ScanResult result;
    StoppingReporter reporter;
    Files files;
};

void ScanInto(const TestFolder& folder, const std::string& document, Scan& scan) {
    WriteBytes(folder / "document.doc", document);
    ScanDisk files;
    scan.result = PictureScanner(files, scan.reporter, kSmallBlocks)
                      .Scan((folder / "document.doc").string(), OutputDirectory(folder).string());
    scan.files = FilesIn(OutputDirectory(folder));
}

void ExpectGrowingWithin(const std::vector<Report>& reports, uint64_t size) {
    uint64_t previous = 0;
    for (const Report& report : reports) {
        EXPECT_EQ(report.total, size);
        EXPECT_GE(report.done, previous);
        EXPECT_LE(report.done, size);
        previous = report.done;
    }
}

}  // namespace

TEST(ScanProgress, ReportsGrowOncePerStepAndASmallDocumentHasNone) {
    TestFolder folder;
    const std::string plain =
        Filler(100000) + LargePng(3 << 20) + Filler(200000) + Fixture("small.jpg");
    Scan scan;
    ScanInto(folder, plain, scan);
    EXPECT_TRUE(scan.result.completed);
    EXPECT_FALSE(scan.result.stoppedOnRequest);
    EXPECT_EQ(scan.files.size(), 2u);
    EXPECT_EQ(scan.reporter.reports.size(), plain.size() / ProgressSource::kReportStep);
    ExpectGrowingWithin(scan.reporter.reports, plain.size());
    EXPECT_GT(scan.reporter.reports.back().done, plain.size() / 2);

    // A container is read three times over: its reports still only grow.
    TestFolder packageFolder;
    const std::string package = ZipBuilder()
                                    .Stored("word/media/image1.png", LargePng(2 << 20))
                                    .Deflated("word/media/image2.jpeg", Fixture("small.jpg"))
                                    .Bytes();
    Scan packaged;
    ScanInto(packageFolder, package, packaged);
    EXPECT_TRUE(packaged.result.completed);
    EXPECT_EQ(packaged.files.size(), 2u);
    EXPECT_GE(packaged.reporter.reports.size(),
              3 * package.size() / ProgressSource::kReportStep - 1);
    ExpectGrowingWithin(packaged.reporter.reports, package.size());

    TestFolder smallFolder;
    Scan small;
    ScanInto(smallFolder, TwoPictureDocument(), small);
    EXPECT_EQ(small.files.size(), 2u);
    EXPECT_TRUE(small.reporter.reports.empty());
}

// The stop comes while the large PNG is being written: it is finished whole,
// nothing after it is begun.
TEST(ScanProgress, AStopFinishesThePictureBeingWrittenAndBeginsNoOther) {
    TestFolder folder;
    const std::string png = LargePng(3 << 20);
    const std::string document =
        Filler(100000) + png + Filler(200000) + Fixture("small.jpg") + Filler(2 << 20);
    Scan scan;
    scan.reporter = StoppingReporter(1);
    ScanInto(folder, document, scan);

    EXPECT_TRUE(scan.result.stoppedOnRequest);
    EXPECT_FALSE(scan.result.completed);
    EXPECT_EQ(scan.result.pictureCount, 1);
    EXPECT_TRUE(scan.reporter.messages.empty());
    EXPECT_EQ(scan.files, (Files{{"1.gif", png}}));
    // One question was enough: nothing more was read than the picture needed.
    EXPECT_LE(scan.reporter.reports.size(), png.size() / ProgressSource::kReportStep + 1);
}

// A package is searched before any picture is written: a stop during the
// search writes nothing at all.
TEST(ScanProgress, AStopWhileAPackageIsSearchedWritesNothing) {
    TestFolder folder;
    const std::string package = ZipBuilder()
                                    .Deflated("word/media/image1.jpeg", Fixture("small.jpg"))
                                    .Stored("word/media/image2.png", LargePng(3 << 20))
                                    .Bytes();
    Scan scan;
    scan.reporter = StoppingReporter(1);
    ScanInto(folder, package, scan);

    EXPECT_TRUE(scan.result.stoppedOnRequest);
    EXPECT_EQ(scan.result.pictureCount, 0);
    EXPECT_TRUE(scan.reporter.messages.empty());
    EXPECT_TRUE(scan.files.empty());
    EXPECT_EQ(scan.result.outputDirectory, "");
}

// A stop while the containers are read, after the plain search, is a stop
// too, in a package's entries as in a compound file's streams: reported as
// one, with no read error, and nothing written.
TEST(ScanProgress, AStopWhileContainersAreReadIsReportedAsAStop) {
    const std::string png = LargePng(3 << 20);
    for (const std::string& document : {ZipBuilder()
                                            .Stored("image1.png", png)
                                            .Deflated("image2.jpeg", Fixture("small.jpg"))
                                            .Bytes(),
                                        CompoundFileBuilder()
                                            .Stream("Data", png)
                                            .Stream("Small", Fixture("small.jpg"))
                                            .Bytes()}) {
        TestFolder folder;
        Scan scan;
        // The first question after the plain search's reports.
        scan.reporter = StoppingReporter(document.size() / ProgressSource::kReportStep + 1);
        ScanInto(folder, document, scan);

        EXPECT_TRUE(scan.result.stoppedOnRequest);
        EXPECT_EQ(scan.result.failure.cause, ScanFailure::Cause::None);
        EXPECT_TRUE(scan.reporter.messages.empty());
        EXPECT_TRUE(scan.files.empty());
    }
}
