// InstallSettingsTest.cpp - the settings file an install leaves on disk
#include <string>

#include <gtest/gtest.h>

#include "install/InstallSettings.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

const std::string kFolder = "C:\\Program Files\\Velmo Image Recovery";

class InstallSettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingHost host;
    SettingsFile file{folder.File("propImage.pro")};

    // What the main window would read at its next start.
    SettingsRecord ReadBack() {
        EXPECT_TRUE(file.IsSettingsFileValid());
        EXPECT_EQ(ReadFileBytes(file.Path()).size(), SettingsLayout::kFileSize);
        SettingsRecord record = file.LoadSettings(host);
        EXPECT_TRUE(host.messages.empty());
        return record;
    }

    SettingsRecord UserChoices() {
        SettingsRecord record = SettingsRecord::DefaultFileRecord();
        record.SetSuffix("XY");
        record.SetOutputPath("D:\\Pictures\\");
        record.SetDeleteSource(1);
        record.SetTextFileFlag(7);
        record.SetLanguageIndex(3);
        record.SetInstallDirectory("D:\\Old Place\\");
        return record;
    }
};

TEST_F(InstallSettingsTest, MissingFileBecomesTheDefaultFileInTheInstallersLanguage) {
    ASSERT_EQ(WriteInstallSettings(file, kFolder, 6), InstallSettingsResult::Created);

    SettingsRecord expected = SettingsRecord::DefaultFileRecord();
    expected.SetLanguageIndex(6);
    expected.SetInstallDirectory(kFolder + "\\");
    EXPECT_EQ(ReadBack(), expected);
}

TEST_F(InstallSettingsTest, ValidFileKeepsEveryChoiceAndTakesTheNewFolderUnlessReplaced) {
    const SettingsRecord choices = UserChoices();
    ASSERT_TRUE(file.WriteSettings(choices));

    ASSERT_EQ(WriteInstallSettings(file, "E:\\Apps\\Velmo", 2), InstallSettingsResult::Updated);

    SettingsRecord expected = choices;
    expected.SetInstallDirectory("E:\\Apps\\Velmo\\");
    const SettingsRecord written = ReadBack();
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.LanguageIndex(), 3) << "the user's language, not the installer's";

    // Told to, it starts again from the defaults.
    ASSERT_EQ(WriteInstallSettings(file, "E:\\Apps\\Velmo", 2, ExistingChoices::Replace),
              InstallSettingsResult::Created);
    expected = SettingsRecord::DefaultFileRecord();
    expected.SetLanguageIndex(2);
    expected.SetInstallDirectory("E:\\Apps\\Velmo\\");
    EXPECT_EQ(ReadBack(), expected);
}

// A file that fails the check, and files the check alone would pass although
// they hold no whole record, are replaced rather than patched.
TEST_F(InstallSettingsTest, InvalidOrShortFilesAreReplacedByTheDefaultFile) {
    Bytes badCheck = FileOf(UserChoices(), {9, 0, 0, 0});
    Bytes shortRecord = FileOf(UserChoices(), {});
    shortRecord.resize(300);
    for (const Bytes& damaged : {badCheck, Bytes{}, shortRecord}) {
        WriteFileBytes(file.Path(), damaged);
        ASSERT_EQ(WriteInstallSettings(file, kFolder, 4), InstallSettingsResult::Created)
            << damaged.size();
        SettingsRecord expected = SettingsRecord::DefaultFileRecord();
        expected.SetLanguageIndex(4);
        expected.SetInstallDirectory(kFolder + "\\");
        EXPECT_EQ(ReadBack(), expected) << damaged.size();
    }
}

// The companions' names are appended to the field directly.
TEST_F(InstallSettingsTest, FolderEndsWithExactlyOneBackslash) {
    EXPECT_EQ(InstallDirectoryField("C:\\Tools"), "C:\\Tools\\");
    EXPECT_EQ(InstallDirectoryField("C:\\Tools\\"), "C:\\Tools\\");
    EXPECT_EQ(InstallDirectoryField("C:\\Tools\\\\"), "C:\\Tools\\");
    EXPECT_EQ(InstallDirectoryField("C:"), "C:\\");
}

TEST_F(InstallSettingsTest, FolderTooLongForTheRecordLeavesTheFileAsItWas) {
    ASSERT_TRUE(file.WriteSettings(UserChoices()));
    const Bytes before = ReadFileBytes(file.Path());

    // 202 characters fit with the backslash; one more does not.
    const std::string longest = "C:\\" + std::string(198, 'v');
    EXPECT_EQ(WriteInstallSettings(file, longest + "w", 1),
              InstallSettingsResult::DirectoryTooLong);
    EXPECT_EQ(ReadFileBytes(file.Path()), before);

    ASSERT_EQ(WriteInstallSettings(file, longest, 1), InstallSettingsResult::Updated);
    EXPECT_EQ(ReadBack().InstallDirectory(), longest + "\\");
}

TEST_F(InstallSettingsTest, UnwritableFileIsReported) {
    SettingsFile nowhere(folder.File("no such folder/propImage.pro"));
    EXPECT_EQ(WriteInstallSettings(nowhere, kFolder, 1), InstallSettingsResult::WriteFailed);
    EXPECT_FALSE(FileExists(nowhere.Path()));
}

// A reinstall that cannot finish its write keeps the user's choices whole.
TEST_F(InstallSettingsTest, FailedWriteOnReinstallLeavesTheUsersFileAsItWas) {
    ASSERT_TRUE(file.WriteSettings(UserChoices()));
    const Bytes before = ReadFileBytes(file.Path());
    ScriptedSettingsFile failing(file.Path());
    failing.FailOpening("wb", 1, Failure::WriteFails);

    EXPECT_EQ(WriteInstallSettings(failing, kFolder, 1), InstallSettingsResult::WriteFailed);
    EXPECT_EQ(ReadFileBytes(file.Path()), before);
}

}  // namespace
