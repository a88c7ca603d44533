// RowDetailsTest.cpp - Size KB, Date and Time of a listed document
#include <gtest/gtest.h>

#include "DocListTestSupport.h"

using Cells = std::vector<std::string>;

namespace {

// Drops one file on a fresh list and returns its row.
Cells DroppedRow(const std::string& path) {
    CListHostDlg host;
    DropFiles(host.m_list, {path});
    EXPECT_EQ(host.m_list.GetItemCount(), 1);
    return host.Row(0);
}

int LocalHourOf(const SYSTEMTIME& utc) {
    FILETIME time, local;
    SystemTimeToFileTime(&utc, &time);
    FileTimeToLocalFileTime(&time, &local);
    SYSTEMTIME shown;
    FileTimeToSystemTime(&local, &shown);
    return shown.wHour;
}

}  // namespace

TEST(RowDetails, SizeIsWholeKilobytes) {
    TempFolder folder("velmo-doclist");
    EXPECT_EQ(DroppedRow(MakeFile(folder, "empty.doc", 0))[1], "0");
    EXPECT_EQ(DroppedRow(MakeFile(folder, "small.doc", 1023))[1], "0");
    EXPECT_EQ(DroppedRow(MakeFile(folder, "exact.doc", 1024))[1], "1");
    EXPECT_EQ(DroppedRow(MakeFile(folder, "two.doc", 2048))[1], "2");
    EXPECT_EQ(DroppedRow(MakeFile(folder, "big.doc", 1234567))[1], "1205");
}

TEST(RowDetails, DocumentOfFourGigabytesShowsItsTrueSize) {
    TempFolder folder("velmo-doclist");
    std::uint64_t size = (std::uint64_t{4} << 30) + 5 * 1024 + 7;
    EXPECT_EQ(DroppedRow(MakeFile(folder, "huge.doc", size))[1], "4194309");
}

// Run a second time by ctest with TZ set far from UTC, so a conversion to
// local time would show.
TEST(RowDetails, DateAndTimeAreTheLastWriteInUtc) {
    TempFolder folder("velmo-doclist");
    std::string path = MakeFile(folder, "stamped.doc");
    SYSTEMTIME stamp{2004, 5, 1, 3, 7, 5, 9, 0};
    SetLastWriteUtc(path, stamp);
    if (GetEnvironmentVariableA("TZ", nullptr, 0) != 0) {
        ASSERT_NE(LocalHourOf(stamp), 7) << "the time zone under test is UTC";
    }

    Cells row = DroppedRow(path);

    EXPECT_EQ(row[2], "3/5/2004");
    EXPECT_EQ(row[3], "7:5:9");
}

TEST(RowDetails, FileHeldExclusivelyShowsNoSizeButItsTimeStamp) {
    TempFolder folder("velmo-doclist");
    std::string path = MakeFile(folder, "locked.doc", 4096);
    SetLastWriteUtc(path, SYSTEMTIME{2010, 1, 5, 1, 12, 30, 0, 0});
    HANDLE hold = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);

    Cells row = DroppedRow(path);
    CloseHandle(hold);

    EXPECT_EQ(row, (Cells{path, "", "1/1/2010", "12:30:0"}));
}
