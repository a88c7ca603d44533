// SettingsFile.h - reads, checks, repairs and writes propImage.pro
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "settings/SettingsHost.h"
#include "settings/SettingsRecord.h"

constexpr const char* kSettingsFileName = "propImage.pro";

// The settings file's path in a directory given without a trailing separator
// (the Windows directory as GetWindowsDirectoryA gives it).
std::string SettingsPathIn(const std::string& directory);

// Every run of consecutive backslashes becomes one: "C:\\\\Tools\\\\" -> "C:\Tools\".
std::string CollapseBackslashRuns(const std::string& text);

// How the configuration program found the file.
enum class SettingsState { Valid, Missing, Invalid };

struct SettingsReading {
    SettingsState state = SettingsState::Valid;
    SettingsRecord record;
};

// What the main window takes from the file when it starts.
struct StartupSettings {
    SettingsRecord record;
    int languageIndex = 1;         // 1..6
    std::string installDirectory;  // backslash runs collapsed
};

// The procedures that every reader and writer of the settings file uses. The
// file is read afresh each time; only defaultSettings is kept between calls.
// The procedures that report and repair take the host their messages and ends
// of the process go to, in the order they meet them; the others are silent.
class SettingsFile {
public:
    explicit SettingsFile(std::string path);
    virtual ~SettingsFile() = default;

    const std::string& Path() const { return m_path; }
    // Whether the file exists, by the C runtime's access test.
    bool FileExists() const;

    // The 4 bytes behind the record, 0 when the file cannot be opened or ends
    // at the record. No message.
    int32_t ReadCheckValue();
    // The last of the first 420 bytes, sign-extended; shows MissingFile and
    // gives 0 when the file cannot be opened.
    int32_t ReadLastRecordByte(SettingsHost& host);
    // Whether the check value matches the last record byte; a file shorter
    // than the record is judged by its last byte. No message.
    bool IsSettingsFileValid();

    // Writes the default record with its check value; ends the process with
    // exit code 1 when the file cannot be written.
    void WriteDefaultSettings(SettingsHost& host);
    // Writes a whole record with its own check value in one go, as an
    // installer or the configuration program does; no message.
    bool WriteSettings(const SettingsRecord& record);
    // Stores a new language (outside 1..6: English) in the current record, or
    // in defaultSettings when the file cannot be used, and makes that record
    // the fallback. A file that cannot be written is reported; the caller goes on.
    void SaveSettings(SettingsHost& host, int languageIndex);
    // The reading of a recovery run: falls back to defaultSettings, with one
    // MissingFile message per failing test, and then writes a default file.
    SettingsRecord LoadSettings(SettingsHost& host);
    // The reading when the main window starts: ends the process with exit
    // code 2 when the file is missing, rewrites an invalid file.
    StartupSettings ReadAtStartup(SettingsHost& host);
    // The reading of the About box: a missing or invalid file is reported once
    // and replaced by the default file, whose record is returned; a valid file
    // that cannot be opened for the read is reported and the defaults returned.
    SettingsRecord ReadOrRestoreDefaults(SettingsHost& host);

    // The configuration program's reading: no message and no repair. A
    // missing, invalid or unreadable file gives the default file record, so
    // that saving it writes what the main program itself would have written.
    SettingsReading ReadForEditing();
    // Writes the record with its check value to a temporary file beside the
    // settings file and puts it in the file's place only when the write and
    // the close succeeded, so a full disk or a locked file never leaves half a
    // record behind: on failure the old file stays as it was. No message.
    bool SaveRecordSafely(const SettingsRecord& record);
    // Where SaveRecordSafely writes first.
    std::string TemporaryPath() const { return m_path + ".new"; }

    void ResetDefaults();

    // The record every reader falls back on; replaced by SaveSettings.
    SettingsRecord defaultSettings = SettingsRecord::Defaults();

protected:
    // Every stream is opened here, so tests can make one chosen open or write
    // fail at the point they want to examine.
    virtual std::FILE* OpenStream(const std::string& path, const char* mode);
    // Puts the finished temporary file in the settings file's place in one
    // step (the old file is replaced, never removed first).
    virtual bool PutInPlace(const std::string& from, const std::string& to);

private:
    struct ReadResult {
        SettingsRecord record;
        bool readable = true;
    };

    ReadResult ReadRecordOrFallback(SettingsHost& host);
    bool WriteRecord(const SettingsRecord& record);
    bool WriteRecordWithCheck(const SettingsRecord& record, int32_t checkValue);
    bool WriteBytes(const std::string& path, const uint8_t* data, std::size_t size);
    [[noreturn]] static void Abandon(SettingsHost& host, SettingsMessage message, int exitCode);

    std::string m_path;
};
