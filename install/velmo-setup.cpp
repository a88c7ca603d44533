// velmo-setup.cpp - writes the propImage.pro an installer leaves behind
//
//   velmo-setup [--replace] [--language N] SETTINGS_FILE INSTALL_DIRECTORY
//
// The record is the default file record with the install directory (given a
// trailing backslash when it lacks one) and the language. An existing file is
// kept unless --replace is given, so a reinstall keeps the user's choices.
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
    if (!request.replace && file.FileExists()) {
        std::cout << "kept " << request.settingsPath << '\n';
        return 0;
    }
    std::string directory = request.installDirectory;
    if (directory.back() != '\\')
        directory += '\\';

    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    record.SetLanguageIndex(request.languageIndex);
    if (!record.SetInstallDirectory(directory)) {
        std::cerr << "install directory longer than the settings file can hold: " << directory << '\n';
        return 1;
    }
    if (!file.WriteSettings(record) || !file.IsSettingsFileValid()) {
        std::cerr << "cannot write " << request.settingsPath << '\n';
        return 1;
    }
    std::cout << "wrote " << request.settingsPath << '\n';
    return 0;
}
