// velmo-setup run as the run command runs it: a reinstall keeps the user's
// choices and points the file at where the programs now are.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "SettingsTestSupport.h"

namespace {

int RunSetup(const std::string& arguments) {
    const std::string command =
        std::string("\"") + VELMO_SETUP_PROGRAM + "\" " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str());
}

SettingsRecord Read(const std::string& path) {
    SettingsFile file(path);
    const SettingsReading reading = file.ReadForEditing();
    EXPECT_EQ(reading.state, SettingsState::Valid);
    return reading.record;
}

TEST(SetupProgram, NewFileIsTheDefaultRecordWithTheFolderAndLanguage) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");

    ASSERT_EQ(RunSetup("--language 3 '" + path + "' 'C:\\Program Files\\Velmo'"), 0);

    SettingsRecord expected = SettingsRecord::DefaultFileRecord();
    expected.SetLanguageIndex(3);
    expected.SetInstallDirectory("C:\\Program Files\\Velmo\\");
    EXPECT_EQ(ReadFileBytes(path), FileOf(expected, {0, 0, 0, 0}));
}

TEST(SetupProgram, ReinstallKeepsTheChoicesAndSetsTheFolder) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");
    SettingsRecord chosen = SettingsRecord::DefaultFileRecord();
    chosen.SetSuffix("Pix");
    chosen.SetOutputPath("D:\\Pictures\\");
    chosen.SetDeleteSource(1);
    chosen.SetLanguageIndex(5);
    chosen.SetInstallDirectory("C:\\Old\\");
    WriteFileBytes(path, FileOf(chosen, {0, 0, 0, 0}));

    ASSERT_EQ(RunSetup("--language 2 '" + path + "' 'C:\\New'"), 0);

    SettingsRecord expected = chosen;
    expected.SetInstallDirectory("C:\\New\\");
    EXPECT_EQ(Read(path), expected);

    // --replace starts again from the defaults.
    ASSERT_EQ(RunSetup("--replace '" + path + "' 'C:\\New'"), 0);
    EXPECT_EQ(Read(path).Suffix(), "REC");
    EXPECT_EQ(Read(path).InstallDirectory(), "C:\\New\\");
}

TEST(SetupProgram, LanguageThatIsNotAWholeNumberFromOneToSixIsRefused) {
    TempFolder folder;
    const std::string path = folder.File("propImage.pro");

    for (const char* language :
         {"3x", "", "+3", " 3", "0", "7", "-1", "4294967299", "99999999999999999999"}) {
        EXPECT_EQ(WEXITSTATUS(RunSetup("--language '" + std::string(language) + "' '" + path +
                                       "' 'C:\\Velmo'")),
                  2)
            << "--language '" << language << "'";
        EXPECT_FALSE(FileExists(path)) << "--language '" << language << "'";
    }
    ASSERT_EQ(RunSetup("--language 6 '" + path + "' 'C:\\Velmo'"), 0);
    EXPECT_EQ(Read(path).LanguageIndex(), 6);
}

}  // namespace
