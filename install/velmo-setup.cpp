// velmo-setup.cpp - writes the propImage.pro an installer leaves behind
//
//   velmo-setup [--replace] [--language N] SETTINGS_FILE INSTALL_DIRECTORY
//
// The install directory gets a trailing backslash when it lacks one: the main
// program puts the companion programs' names right behind it. A valid existing
// file keeps every choice of the user and only learns the install directory,
// so a reinstall keeps the settings while the Options and Help buttons find
// the programs where they now are. A missing or damaged file, or --replace,
// gives the default file record with the install directory and the language.
#include <cstdlib>
#include <iostream>
#include <string>

#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"

namespace {

struct Request {
    std::string settingsPath;
    std::string installDirectory;
    int languageIndex = 1;
    bool replace = false;
};

class ConsoleHost : public SettingsHost {
public:
    void ShowSettingsMessage(SettingsMessage message) override
    {
        std::cerr << (message == SettingsMessage::MissingFile ? "settings file missing or unreadable"
                                                              : "settings file cannot be written")
                  << '\n';
    }
    [[noreturn]] void EndProcess(int exitCode) override { std::exit(exitCode); }
};

int Usage()
{
    std::cerr << "usage: velmo-setup [--replace] [--language N] SETTINGS_FILE INSTALL_DIRECTORY\n";
    return 2;
}

bool ParseArguments(int argc, char** argv, Request& request)
{
    std::string positional[2];
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--replace") {
            request.replace = true;
        } else if (argument == "--language" && i + 1 < argc) {
            request.languageIndex = std::atoi(argv[++i]);
            if (request.languageIndex < 1 || request.languageIndex > 6)
                return false;
        } else if (count < 2 && !argument.empty() && argument[0] != '-') {
            positional[count++] = argument;
        } else {
            return false;
        }
    }
    request.settingsPath = positional[0];
    request.installDirectory = positional[1];
    return count == 2;
}

}  // namespace

int main(int argc, char** argv)
{
    Request request;
    if (!ParseArguments(argc, argv, request))
        return Usage();
    ConsoleHost host;
    SettingsFile file(request.settingsPath, host);
    std::string directory = request.installDirectory;
    if (directory.back() != '\\')
        directory += '\\';

    const SettingsReading existing = file.ReadForEditing();
    const bool keep = !request.replace && existing.state == SettingsState::Valid;
    SettingsRecord record = keep ? existing.record : SettingsRecord::DefaultFileRecord();
    if (!keep)
        record.SetLanguageIndex(request.languageIndex);
    if (!record.SetInstallDirectory(directory)) {
        std::cerr << "install directory longer than the settings file can hold: " << directory << '\n';
        return 1;
    }
    if (!file.SaveRecordSafely(record) || !file.IsSettingsFileValid()) {
        std::cerr << "cannot write " << request.settingsPath << '\n';
        return 1;
    }
    if (keep) {
        std::cout << "kept the settings of " << request.settingsPath << ", install directory " << directory << '\n';
        return 0;
    }
    std::cout << "wrote " << request.settingsPath << '\n';
    return 0;
}
