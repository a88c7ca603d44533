// InstallSettings.cpp
#include "install/InstallSettings.h"

#include <filesystem>
#include <system_error>

namespace {

// The check alone passes a truncated or empty file, whose record would have to
// be made up; only a whole file is worth keeping.
bool HoldsWholeValidRecord(SettingsFile& file)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(file.Path(), error);
    return !error && size == SettingsLayout::kFileSize && file.IsSettingsFileValid();
}

}  // namespace

std::string InstallDirectoryField(const std::string& folder)
{
    std::string field = folder;
    while (!field.empty() && (field.back() == '\\' || field.back() == '/'))
        field.pop_back();
    return field + '\\';
}

InstallSettingsResult WriteInstallSettings(SettingsFile& file, const std::string& folder, int languageIndex,
                                           ExistingChoices existing)
{
    const bool keepRecord = existing == ExistingChoices::Keep && HoldsWholeValidRecord(file);
    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    record.SetLanguageIndex(languageIndex);
    if (keepRecord)
        record = file.ReadOrRestoreDefaults();

    if (!record.SetInstallDirectory(InstallDirectoryField(folder)))
        return InstallSettingsResult::DirectoryTooLong;
    // A failed write leaves the user's file as it was.
    if (!file.SaveRecordSafely(record) || !file.IsSettingsFileValid())
        return InstallSettingsResult::WriteFailed;
    return keepRecord ? InstallSettingsResult::Updated : InstallSettingsResult::Created;
}
