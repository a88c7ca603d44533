// SettingsFileTest.cpp - propImage.pro written and read back in real folders
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

using Messages = std::vector<SettingsMessage>;

namespace {

Bytes CheckBytes(int32_t value) {
    Bytes bytes(4);
    WriteInt32LittleEndian(value, bytes.data());
    return bytes;
}

// Every byte differs from its neighbours, so a shifted or lost byte shows.
SettingsRecord PatternedRecord(uint8_t language, uint8_t lastByte) {
    SettingsRecord record;
    for (std::size_t i = 0; i < record.bytes.size(); ++i)
        record.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    record.bytes[216] = language;
    record.bytes[419] = lastByte;
    return record;
}

SettingsRecord WithLanguage(SettingsRecord record, int language) {
    record.SetLanguageIndex(language);
    return record;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes TruncatedAfter(Bytes bytes, std::size_t size, uint8_t lastByte) {
    bytes.resize(size);
    bytes.back() = lastByte;
    return bytes;
}

}  // namespace

class SettingsFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.File("propImage.pro");
    RecordingHost host;
    SettingsFile file{path};
};

TEST_F(SettingsFileTest, FreshDefaultFileIsExactly424Bytes) {
    file.WriteDefaultSettings(host);

    EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(file.IsSettingsFileValid());
}

TEST_F(SettingsFileTest, FillerBehindAnEmptyPathReadsAsEmptyAndIsKeptOnRewrite) {
    WriteFileBytes(path, ExpectedDefaultFile());

    SettingsRecord record = file.LoadSettings(host);
    EXPECT_EQ(record.OutputPath(), "");
    EXPECT_EQ(record.Suffix(), "REC");

    file.SaveSettings(host, 4);
    Bytes expected = ExpectedDefaultFile();
    expected[216] = 4;
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, Byte419IsCheckedSignExtended) {
    SettingsRecord record = PatternedRecord(1, 0xFF);
    struct Case {
        Bytes check;
        bool valid;
    };
    const Case cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF}, true},
        {{0xFF, 0x00, 0x00, 0x00}, false},
        {{0x00, 0x00, 0x00, 0x00}, false},
        {{0xFF, 0xFF, 0xFF, 0x7F}, false},
    };
    for (const Case& c : cases) {
        WriteFileBytes(path, FileOf(record, c.check));
        EXPECT_EQ(file.IsSettingsFileValid(), c.valid) << int(c.check[0]) << " " << int(c.check[3]);
    }
    EXPECT_EQ(file.ReadLastRecordByte(host), -1);

    WriteFileBytes(path, FileOf(PatternedRecord(1, 0x80), {0x80, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(file.IsSettingsFileValid());
    EXPECT_EQ(file.ReadCheckValue(), -128);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, RecordWithByte419Of0x80OrAboveIsWrittenWithANegativeCheckValue) {
    for (int last : {0x80, 0xC3, 0xFF}) {
        SettingsRecord record = PatternedRecord(4, static_cast<uint8_t>(last));
        EXPECT_LT(record.CheckValue(), 0) << last;

        ASSERT_TRUE(file.WriteSettings(record)) << last;

        Bytes check = CheckBytes(static_cast<int8_t>(last));
        EXPECT_EQ(check[3], 0xFF) << "sign-extended, byte " << last;
        EXPECT_EQ(ReadFileBytes(path), FileOf(record, check)) << last;
        EXPECT_TRUE(file.IsSettingsFileValid()) << last;
        EXPECT_EQ(file.LoadSettings(host), record) << last;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, FileOf420BytesIsValidOnlyWithZeroByte419) {
    SettingsRecord record = PatternedRecord(3, 0x00);
    WriteFileBytes(path, FileOf(record, {}));
    EXPECT_TRUE(file.IsSettingsFileValid());
    EXPECT_EQ(file.ReadCheckValue(), 0);
    EXPECT_EQ(file.LoadSettings(host), record);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFileBytes(path).size(), 420u) << "a valid file is only read";

    WriteFileBytes(path, FileOf(PatternedRecord(3, 0x41), {}));
    EXPECT_FALSE(file.IsSettingsFileValid());
    EXPECT_EQ(file.LoadSettings(host), SettingsRecord::Defaults());
    EXPECT_EQ(host.messages, Messages({M}));
    EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
}

TEST_F(SettingsFileTest, LanguageChangeRewritesOnlyTheLanguageAndTheCheckValue) {
    SettingsRecord record = PatternedRecord(2, 0x9C);
    WriteFileBytes(path, FileOf(record, CheckBytes(-100)));

    file.SaveSettings(host, 5);

    SettingsRecord expected = record;
    expected.bytes[216] = 5;
    EXPECT_EQ(ReadFileBytes(path), FileOf(expected, {0x9C, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(file.defaultSettings, expected) << "the saved record is the new fallback";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, SavingTheSameLanguageCompletesA420ByteFile) {
    SettingsRecord record = PatternedRecord(6, 0x00);
    WriteFileBytes(path, FileOf(record, {}));

    file.SaveSettings(host, 6);

    EXPECT_EQ(ReadFileBytes(path), FileOf(record, {0, 0, 0, 0}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, MissingFileDuringARunGivesThreeMessagesThenTheDefaultFile) {
    SettingsRecord record = file.LoadSettings(host);

    EXPECT_EQ(host.messages, Messages({M, M, M}));
    EXPECT_EQ(record, SettingsRecord::Defaults());
    EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
}

TEST_F(SettingsFileTest, MissingFileAfterALanguageChangeFallsBackOnTheSavedRecord) {
    WriteFileBytes(path, ExpectedDefaultFile());
    file.SaveSettings(host, 3);
    std::filesystem::remove(path);

    SettingsRecord record = file.LoadSettings(host);

    EXPECT_EQ(host.messages, Messages({M, M, M}));
    EXPECT_EQ(record.LanguageIndex(), 3);
    EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile()) << "the file written holds language 1";
}

TEST_F(SettingsFileTest, MissingFileDuringALanguageChangeWritesTheFallbackWithTheNewLanguage) {
    file.SaveSettings(host, 4);

    EXPECT_EQ(host.messages, Messages({M, M, M}));
    SettingsRecord expected = WithLanguage(SettingsRecord::Defaults(), 4);
    EXPECT_EQ(ReadFileBytes(path), FileOf(expected, {0, 0, 0, 0}));
    EXPECT_EQ(file.defaultSettings, expected);
}

TEST_F(SettingsFileTest, StartupWithoutFileEndsWithExitCode2) {
    EXPECT_THROW(file.ReadAtStartup(host), ProcessEnded);

    EXPECT_EQ(host.exitCode, 2);
    EXPECT_EQ(host.messages, Messages({M}));
    EXPECT_FALSE(FileExists(path)) << "nothing is written before the process ends";
}

TEST_F(SettingsFileTest, StartupTakesLanguageAndInstallDirectoryFromAValidFile) {
    SettingsRecord record = SettingsRecord::Defaults();
    record.SetLanguageIndex(3);
    record.SetInstallDirectory("C:\\\\Tools\\\\\\Velmo\\\\");
    Bytes bytes = FileOf(record, {0, 0, 0, 0});
    WriteFileBytes(path, bytes);

    StartupSettings startup = file.ReadAtStartup(host);

    EXPECT_EQ(startup.languageIndex, 3);
    EXPECT_EQ(startup.installDirectory, "C:\\Tools\\Velmo\\");
    EXPECT_EQ(startup.record, record);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST_F(SettingsFileTest, StartupRewritesAnInvalidFileAndComesUpInEnglish) {
    SettingsRecord record = PatternedRecord(3, 0x22);
    WriteFileBytes(path, FileOf(record, {0, 0, 0, 0}));

    StartupSettings startup = file.ReadAtStartup(host);

    EXPECT_EQ(host.messages, Messages({M}));
    EXPECT_EQ(startup.languageIndex, 1);
    EXPECT_EQ(startup.record, SettingsRecord::Defaults());
    EXPECT_EQ(startup.installDirectory, "");
    EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
}

TEST_F(SettingsFileTest, StoredLanguageOutsideOneToSixIsEnglishEverywhere) {
    for (uint8_t stored : {0x00, 0x07, 0x80, 0xFF}) {
        SettingsRecord record = SettingsRecord::Defaults();
        record.bytes[216] = stored;
        WriteFileBytes(path, FileOf(record, {0, 0, 0, 0}));

        EXPECT_EQ(file.ReadAtStartup(host).languageIndex, 1) << int(stored);
        EXPECT_EQ(file.LoadSettings(host).LanguageIndex(), 1) << int(stored);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, UnterminatedTextFieldsStayWithinTheirWidths) {
    // All 0xFF: byte 419 is 0xFF and the check value FF FF FF FF, so it is valid.
    WriteFileBytes(path, Bytes(424, 0xFF));

    SettingsRecord record = file.LoadSettings(host);
    StartupSettings startup = file.ReadAtStartup(host);

    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(record.Suffix(), std::string(4, '\xFF'));
    EXPECT_EQ(record.OutputPath(), std::string(200, '\xFF'));
    EXPECT_EQ(record.InstallDirectory(), std::string(203, '\xFF'));
    EXPECT_EQ(record.DeleteSource(), -1);
    EXPECT_EQ(startup.languageIndex, 1);
    EXPECT_EQ(startup.installDirectory, std::string(203, '\xFF'));
}

TEST_F(SettingsFileTest, TruncatedAndGarbageFilesAreReplacedByADefaultFileDuringARun) {
    const Bytes full = FileOf(PatternedRecord(3, 0x00), {0, 0, 0, 0});
    Bytes garbage(424);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<uint8_t>((i * 131 + 17) ^ (i >> 3));
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"cut short after a zero byte", TruncatedAfter(full, 300, 0x00)},
        {"cut short after a non-zero byte", TruncatedAfter(full, 300, 0x37)},
        {"garbage", garbage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(path, c.bytes);
        host.messages.clear();

        EXPECT_EQ(file.LoadSettings(host), SettingsRecord::Defaults());
        EXPECT_EQ(host.messages, Messages({M}));
        EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
    }
}

TEST_F(SettingsFileTest, TruncatedFileThatPassesTheCheckIsNotUsedAtStartup) {
    WriteFileBytes(path, TruncatedAfter(FileOf(PatternedRecord(3, 0x00), {}), 300, 0x00));

    StartupSettings startup = file.ReadAtStartup(host);

    EXPECT_EQ(startup.record, SettingsRecord::Defaults());
    EXPECT_EQ(startup.languageIndex, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, PathLongerThanTheOldFixedBuffersWorks) {
    std::filesystem::path deep = folder.Path();
    while (deep.string().size() < 220) deep /= "nested-settings-folder";
    std::filesystem::create_directories(deep);
    std::string longPath = (deep / "propImage.pro").string();
    ASSERT_GT(longPath.size(), 230u);
    SettingsFile longFile(longPath);

    longFile.WriteDefaultSettings(host);
    longFile.SaveSettings(host, 2);
    SettingsRecord record = longFile.LoadSettings(host);

    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(record.LanguageIndex(), 2);
    EXPECT_EQ(ReadFileBytes(longPath).size(), 424u);
}

TEST_F(SettingsFileTest, UnwritableFolderEndsARunWithExitCode1) {
    std::string unwritable = folder.File("no such folder/propImage.pro");
    SettingsFile missing(unwritable);

    EXPECT_THROW(missing.LoadSettings(host), ProcessEnded);

    EXPECT_EQ(host.messages, Messages({M, M, M, M}));
    EXPECT_EQ(host.exitCode, 1);
}

TEST_F(SettingsFileTest, UnwritableFolderDuringALanguageChangeIsReportedAndTheRunGoesOn) {
    SettingsFile missing(folder.File("no such folder/propImage.pro"));

    missing.SaveSettings(host, 6);

    EXPECT_EQ(host.messages, Messages({M, M, M, W}));
    EXPECT_EQ(host.exitCode, -1);
    EXPECT_EQ(missing.defaultSettings.LanguageIndex(), 6) << "the window keeps the new language";
}

TEST_F(SettingsFileTest, DirectoryInPlaceOfTheFileCannotTakeTheDefaultFile) {
    std::filesystem::create_directory(path);

    EXPECT_THROW(file.WriteDefaultSettings(host), ProcessEnded);

    EXPECT_EQ(host.messages, Messages({M}));
    EXPECT_EQ(host.exitCode, 1);
}

// Each way a write can fail, at each point, has the outcome of a failed open there.
TEST(SettingsWriteFailures, DefaultFileThatCannotBeWrittenEndsTheProcess) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    for (Failure how : {Failure::OpenFails, Failure::WriteFails, Failure::CloseFails}) {
        for (int opening : {1, 2}) {
            SCOPED_TRACE(::testing::Message()
                         << "failure " << int(how) << " at opening " << opening);
            std::filesystem::remove(path);
            RecordingHost host;
            ScriptedSettingsFile file(path);
            file.FailOpening("wb", opening, how);

            EXPECT_THROW(file.WriteDefaultSettings(host), ProcessEnded);

            EXPECT_EQ(host.exitCode, 1);
            EXPECT_EQ(host.messages, Messages({opening == 1 ? M : W}));
            EXPECT_NE(ReadFileBytes(path).size(), 424u) << "no complete file is left behind";
        }
    }
}

TEST(SettingsWriteFailures, SecondOpenFailingLeavesTheRecordWithoutCheckValue) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    RecordingHost host;
    ScriptedSettingsFile file(path);
    file.FailOpening("wb", 2, Failure::OpenFails);

    EXPECT_THROW(file.WriteDefaultSettings(host), ProcessEnded);

    EXPECT_EQ(ReadFileBytes(path), Truncated(ExpectedDefaultFile(), 420));
}

TEST(SettingsWriteFailures, LanguageThatCannotBeStoredIsReportedAndTheRunGoesOn) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    for (Failure how : {Failure::OpenFails, Failure::WriteFails, Failure::CloseFails}) {
        for (int opening : {1, 2}) {
            SCOPED_TRACE(::testing::Message()
                         << "failure " << int(how) << " at opening " << opening);
            WriteFileBytes(path, ExpectedDefaultFile());
            RecordingHost host;
            ScriptedSettingsFile file(path);
            file.FailOpening("wb", opening, how);

            file.SaveSettings(host, 3);

            EXPECT_EQ(host.exitCode, -1);
            EXPECT_EQ(host.messages, Messages({opening == 1 ? W : M}));
            EXPECT_EQ(file.defaultSettings.LanguageIndex(), 3);
            if (how == Failure::OpenFails) {
                Bytes expected = ExpectedDefaultFile();
                expected[216] = 3;
                Bytes left = opening == 1 ? ExpectedDefaultFile() : Truncated(expected, 420);
                EXPECT_EQ(ReadFileBytes(path), left) << "the first failure writes nothing";
            }
        }
    }
}

TEST(SettingsWriteFailures, ReadBackFailureIsReportedAndCheckValueZeroIsUsed) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    RecordingHost host;
    ScriptedSettingsFile file(path);
    file.FailOpening("rb", 1, Failure::OpenFails);

    file.WriteDefaultSettings(host);

    EXPECT_EQ(host.messages, Messages({M}));
    EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
}

// The configuration program's save: the old file is kept whole until the new
// one is complete, whichever step fails.
TEST(SettingsSafeSave, FailedWriteOrCloseLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    const SettingsRecord edited = PatternedRecord(4, 0x9C);
    for (Failure how : {Failure::OpenFails, Failure::WriteFails, Failure::CloseFails}) {
        SCOPED_TRACE(int(how));
        WriteFileBytes(path, ExpectedDefaultFile());
        RecordingHost host;
        ScriptedSettingsFile file(path);
        file.FailOpening("wb", 1, how);

        EXPECT_FALSE(file.SaveRecordSafely(edited));

        EXPECT_EQ(ReadFileBytes(path), ExpectedDefaultFile());
        EXPECT_FALSE(FileExists(file.TemporaryPath()));
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(SettingsSafeSave, CompleteSaveReplacesTheFileWithRecordAndCheckValue) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    WriteFileBytes(path, ExpectedDefaultFile());
    RecordingHost host;
    SettingsFile file(path);
    const SettingsRecord edited = PatternedRecord(4, 0x9C);

    ASSERT_TRUE(file.SaveRecordSafely(edited));

    EXPECT_EQ(ReadFileBytes(path), FileOf(edited, {0x9C, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(FileExists(file.TemporaryPath()));
    const SettingsReading reading = file.ReadForEditing();
    EXPECT_EQ(reading.state, SettingsState::Valid);
    EXPECT_EQ(reading.record, edited);
}

// Nothing is repaired or reported: the program starts from the default file's
// record and the file stays as it was until the user saves.
TEST(SettingsSafeSave, EditingReadOfAMissingOrInvalidFileWritesNothing) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    RecordingHost host;
    SettingsFile file(path);

    SettingsReading missing = file.ReadForEditing();
    EXPECT_EQ(missing.state, SettingsState::Missing);
    EXPECT_EQ(missing.record, SettingsRecord::DefaultFileRecord());
    EXPECT_FALSE(FileExists(path));

    const Bytes invalid = TruncatedAfter(ExpectedDefaultFile(), 424, 7);
    for (const Bytes& bytes : {invalid, Truncated(ExpectedDefaultFile(), 300)}) {
        WriteFileBytes(path, bytes);
        SettingsReading reading = file.ReadForEditing();
        EXPECT_EQ(reading.state, SettingsState::Invalid);
        EXPECT_EQ(reading.record, SettingsRecord::DefaultFileRecord());
        EXPECT_EQ(ReadFileBytes(path), bytes);
    }
    EXPECT_TRUE(host.messages.empty());
}
