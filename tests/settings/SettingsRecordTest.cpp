// SettingsRecordTest.cpp - the record's fields on their bytes
#include <algorithm>

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"

TEST(SettingsRecord, DefaultsAreTheFallbackRecordWithoutFiller) {
    SettingsRecord record = SettingsRecord::Defaults();
    EXPECT_EQ(record.Suffix(), "REC");
    EXPECT_EQ(record.OutputPath(), "");
    EXPECT_EQ(record.ReservedFlag(), 1);
    EXPECT_EQ(record.DeleteSource(), 0);
    EXPECT_EQ(record.TextFileFlag(), 1);
    EXPECT_EQ(record.LanguageIndexRaw(), 1);
    EXPECT_EQ(record.InstallDirectory(), "");
    EXPECT_EQ(std::count(record.bytes.begin() + 4, record.bytes.begin() + 204, 0), 200);

    SettingsRecord file = SettingsRecord::DefaultFileRecord();
    EXPECT_EQ(file.OutputPath(), "") << "the filler sits behind the terminating zero";
    EXPECT_EQ(file.bytes[4], 0);
    EXPECT_EQ(std::count(file.bytes.begin() + 5, file.bytes.begin() + 204, 'a'), 199);
    std::fill(file.bytes.begin() + 5, file.bytes.begin() + 204, 0);
    EXPECT_EQ(file, record) << "the two differ in the filler only";
}

TEST(SettingsRecord, TextFieldsWithoutTerminatorStopAtTheirWidth) {
    SettingsRecord record;
    record.bytes.fill('x');
    EXPECT_EQ(record.Suffix(), "xxxx");
    EXPECT_EQ(record.OutputPath(), std::string(200, 'x'));
    EXPECT_EQ(record.InstallDirectory(), std::string(203, 'x'));

    record.bytes[2] = 0;
    record.bytes[4 + 10] = 0;
    EXPECT_EQ(record.Suffix(), "xx");
    EXPECT_EQ(record.OutputPath(), std::string(10, 'x'));
}

TEST(SettingsRecord, LanguageOutsideOneToSixReadsAsEnglish) {
    SettingsRecord record;
    for (int stored = 1; stored <= 6; ++stored) {
        record.bytes[216] = static_cast<uint8_t>(stored);
        EXPECT_EQ(record.LanguageIndex(), stored);
    }
    for (uint8_t stored : {0x00, 0x07, 0x7F, 0x80, 0xFF}) {
        record.bytes[216] = stored;
        EXPECT_EQ(record.LanguageIndex(), 1) << int(stored);
        EXPECT_EQ(record.LanguageIndexRaw(), static_cast<int8_t>(stored));
    }
    record.SetLanguageIndex(9);
    EXPECT_EQ(record.bytes[216], 1);
    record.SetLanguageIndex(-3);
    EXPECT_EQ(record.bytes[216], 1);
    record.SetLanguageIndex(6);
    EXPECT_EQ(record.bytes[216], 6);
}

TEST(SettingsRecord, SettersRefuseTextsThatLeaveNoRoomForTheTerminator) {
    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    EXPECT_FALSE(record.SetSuffix("ABCD"));
    EXPECT_EQ(record.Suffix(), "REC");
    EXPECT_TRUE(record.SetSuffix("AB"));
    EXPECT_EQ(record.bytes[3], 0);
    EXPECT_EQ(record.Suffix(), "AB");

    EXPECT_FALSE(record.SetOutputPath(std::string(200, 'p')));
    EXPECT_EQ(record.bytes[5], 'a') << "a refused text leaves the field as it was";
    EXPECT_TRUE(record.SetOutputPath(std::string(199, 'p')));
    EXPECT_EQ(record.OutputPath(), std::string(199, 'p'));
    EXPECT_EQ(record.ReservedFlag(), 1) << "the next field is untouched";

    EXPECT_FALSE(record.SetInstallDirectory(std::string(203, 'd')));
    EXPECT_TRUE(record.SetInstallDirectory(std::string(202, 'd')));
    EXPECT_EQ(record.bytes[419], 0);
    EXPECT_EQ(record.LanguageIndexRaw(), 1);
}

TEST(SettingsPaths, BackslashRunsCollapseToOne) {
    EXPECT_EQ(CollapseBackslashRuns("C:\\\\Tools\\\\"), "C:\\Tools\\");
    EXPECT_EQ(CollapseBackslashRuns("\\\\\\a\\\\\\\\b"), "\\a\\b");
    EXPECT_EQ(CollapseBackslashRuns("C:\\Tools"), "C:\\Tools");
    EXPECT_EQ(CollapseBackslashRuns(""), "");
    EXPECT_EQ(SettingsPathIn("C:\\WINDOWS"), "C:\\WINDOWS\\propImage.pro");
}
