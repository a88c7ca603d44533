// InstallSettings.cpp
#include "install/InstallSettings.h"

#include <filesystem>
#include <system_error>

namespace {

// The reading takes a file cut short after its record as valid when the
// missing check bytes, counted as zero, match; only a whole file is worth
// keeping.
bool IsWholeFile(const SettingsFile& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file.Path(), error);
    return !error && size == SettingsLayout::kFileSize;
}

}  // namespace

std::string InstallDirectoryField(const std::string& folder) {
    std::string field = folder;
    while (!field.empty() && (field.back() == '\\' || field.back() == '/')) field.pop_back();
    return field + '\\';
}

InstallSettingsResult WriteInstallSettings(SettingsFile& file, const std::string& folder,
                                           int languageIndex, ExistingChoices existing) {
    const SettingsReading reading = file.ReadForEditing();
    const bool keepRecord = existing == ExistingChoices::Keep &&
                            reading.state == SettingsState::Valid && IsWholeFile(file);
    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    record.SetLanguageIndex(languageIndex);
    if (keepRecord) record = reading.record;

    if (!record.SetInstallDirectory(InstallDirectoryField(folder)))
        return InstallSettingsResult::DirectoryTooLong;
    // A failed write leaves the user's file as it was.
    if (!file.SaveRecordSafely(record) || !file.IsSettingsFileValid())
        return InstallSettingsResult::WriteFailed;
    return keepRecord ? InstallSettingsResult::Updated : InstallSettingsResult::Created;
}
