// InstallSettings.h - the settings file an installer leaves behind
#pragma once

#include <string>

#include "settings/SettingsFile.h"

enum class InstallSettingsResult {
    Updated,           // a usable file now names the folder; its other bytes kept
    Created,           // a new default file in the installer's language
    DirectoryTooLong,  // the folder does not fit the record; nothing written
    WriteFailed
};

// The folder as the main window needs it: the companions' file names are
// appended to it directly, so it ends with exactly one backslash.
std::string InstallDirectoryField(const std::string& folder);

enum class ExistingChoices { Keep, Replace };

// Points the settings file at the install folder. A complete, valid file
// keeps every other byte, so a reinstall keeps the user's choices; a missing,
// short or invalid one, or any file when told to replace it, becomes the
// default file record in the installer's language (1..6).
InstallSettingsResult WriteInstallSettings(SettingsFile& file, const std::string& folder,
                                           int languageIndex,
                                           ExistingChoices existing = ExistingChoices::Keep);
