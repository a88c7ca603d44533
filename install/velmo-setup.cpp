// velmo-setup.cpp - writes the propImage.pro an installer leaves behind
//
//   velmo-setup [--replace] [--language N] SETTINGS_FILE INSTALL_FOLDER
//
// A valid file keeps the user's choices and only learns the folder; a missing
// or damaged one, or any with --replace, becomes the default record in the
// given language. The installer runs it from its temporary folder, so the file's format lives
// in the settings module alone. INSTALL_FOLDER is best given without its
// trailing backslash: a quoted argument ending in one swallows its closing quote.
#include <charconv>
#include <iostream>
#include <string>

#include "install/InstallSettings.h"

namespace {

struct Request {
    std::string settingsPath;
    std::string installFolder;
    int languageIndex = 1;
    ExistingChoices existing = ExistingChoices::Keep;
};

// The whole argument must be a number from 1 to 6: no sign, no trailing
// characters, nothing that only wraps round into the range.
bool ParseLanguage(const std::string& text, int& languageIndex) {
    const char* end = text.data() + text.size();
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 1 || value > 6) return false;
    languageIndex = value;
    return true;
}

int Usage() {
    std::cerr << "usage: velmo-setup [--replace] [--language N] SETTINGS_FILE INSTALL_FOLDER\n";
    return 2;
}

bool ParseArguments(int argc, char** argv, Request& request) {
    std::string positional[2];
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--replace") {
            request.existing = ExistingChoices::Replace;
        } else if (argument == "--language" && i + 1 < argc) {
            if (!ParseLanguage(argv[++i], request.languageIndex)) return false;
        } else if (count < 2 && !argument.empty() && argument[0] != '-') {
            positional[count++] = argument;
        } else {
            return false;
        }
    }
    request.settingsPath = positional[0];
    request.installFolder = positional[1];
    return count == 2;
}

}  // namespace

int main(int argc, char** argv) {
    Request request;
    if (!ParseArguments(argc, argv, request)) return Usage();
    SettingsFile file(request.settingsPath);
    switch (WriteInstallSettings(file, request.installFolder, request.languageIndex,
                                 request.existing)) {
    case InstallSettingsResult::Updated:
        std::cout << "kept the settings of " << request.settingsPath
                  << ", install folder updated\n";
        return 0;
    case InstallSettingsResult::Created:
        std::cout << "wrote " << request.settingsPath << '\n';
        return 0;
    case InstallSettingsResult::DirectoryTooLong:
        std::cerr << "install folder longer than the settings file can hold: "
                  << request.installFolder << '\n';
        return 1;
    case InstallSettingsResult::WriteFailed:
        break;
    }
    std::cerr << "cannot write " << request.settingsPath << '\n';
    return 1;
}
