// RunPathsTest.cpp: document name, output directory, backslashes and room on the disk.
#include "base/RunPaths.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentName, IsTheLastComponentUpToItsFirstDot) {
    EXPECT_EQ(DocumentName("C:\\Work\\Report.final.doc"), "Report");
    EXPECT_EQ(DocumentName("C:\\my.docs\\Report.doc"), "Report");
    EXPECT_EQ(DocumentName("C:\\Work\\notes"), "notes");
    EXPECT_EQ(DocumentName("\\\\server\\share\\a.doc"), "a");
    EXPECT_EQ(DocumentName("Report.doc"), "Report");
    EXPECT_EQ(DocumentName("C:\\Work\\"), "");
}

struct OutputDirectoryRow {
    const char* outputPath;
    const char* suffix;
    const char* currentDirectory;
    const char* built;      // as formed
    const char* collapsed;  // after runs of backslashes are reduced
};

TEST(BuildOutputDirectory, GivesEveryRowOfTheTable) {
    const OutputDirectoryRow rows[] = {
        {"", "REC", "C:\\Work", "C:\\Work\\ReportREC", "C:\\Work\\ReportREC"},
        {"", "REC", "C:\\", "C:\\\\ReportREC", "C:\\ReportREC"},
        {"", "", "C:\\Work", "C:\\Work\\Report", "C:\\Work\\Report"},
        {"D:\\Pictures\\", "old", "C:\\Work", "D:\\Pictures\\Reportold", "D:\\Pictures\\Reportold"},
        {"D:\\Pictures\\", "", "C:\\Work", "D:\\Pictures\\ReportREC", "D:\\Pictures\\ReportREC"},
        {"D:\\Pictures", "REC", "C:\\Work", "D:\\PicturesReportREC", "D:\\PicturesReportREC"},
    };
    std::string name = DocumentName("C:\\Work\\Report.doc");
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("outputPath '") + row.outputPath + "', suffix '" + row.suffix +
                     "'");
        std::string built =
            BuildOutputDirectory(row.outputPath, row.suffix, name, row.currentDirectory);
        EXPECT_EQ(built, row.built);
        EXPECT_EQ(CollapseBackslashes(built), row.collapsed);
    }
}

TEST(CollapseBackslashes, ReducesRunsButKeepsTheNetworkPrefix) {
    EXPECT_EQ(CollapseBackslashes("C:\\\\Work\\\\\\Report.doc"), "C:\\Work\\Report.doc");
    EXPECT_EQ(CollapseBackslashes("\\\\server\\share\\\\a.doc"), "\\\\server\\share\\a.doc");
    EXPECT_EQ(CollapseBackslashes("\\\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(CollapseBackslashes("\\Work\\\\a.doc"), "\\Work\\a.doc");
    EXPECT_EQ(CollapseBackslashes("D:\\Out\\\\"), "D:\\Out\\");
    EXPECT_EQ(CollapseBackslashes(""), "");
}

TEST(HasRoomFor, WantsTheDocumentsKilobytesPlusTenFree) {
    const uint64_t kilobyte = 1024;
    EXPECT_TRUE(HasRoomFor(110 * kilobyte, 100 * kilobyte + 1023));
    EXPECT_FALSE(HasRoomFor(110 * kilobyte - 1, 100 * kilobyte));
    EXPECT_TRUE(HasRoomFor(10 * kilobyte, 0));
    EXPECT_FALSE(HasRoomFor(0, 0));
    // Sizes past 4 GB keep their high bits.
    const uint64_t fiveGigabytes = uint64_t{5} << 30;
    EXPECT_FALSE(HasRoomFor(fiveGigabytes, fiveGigabytes));
    EXPECT_TRUE(HasRoomFor(fiveGigabytes + 10 * kilobyte, fiveGigabytes));
}

}  // namespace
