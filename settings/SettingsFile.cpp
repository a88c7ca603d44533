// SettingsFile.cpp
#include "settings/SettingsFile.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace SettingsLayout;

namespace {

struct StreamCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, StreamCloser>;

// Reads the record's bytes one at a time, as the check does, and keeps the
// last one read; an empty file gives 0.
uint8_t LastOfRecordBytes(std::FILE* stream) {
    uint8_t last = 0;
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        int byte = std::fgetc(stream);
        if (byte == EOF) break;
        last = static_cast<uint8_t>(byte);
    }
    return last;
}

// The whole file: the record, then the check value behind it.
std::array<uint8_t, kFileSize> FileBytes(const SettingsRecord& record, int32_t checkValue) {
    std::array<uint8_t, kFileSize> file;
    std::copy(record.bytes.begin(), record.bytes.end(), file.begin());
    WriteInt32LittleEndian(checkValue, file.data() + kRecordSize);
    return file;
}

bool ReadWholeRecord(std::FILE* stream, SettingsRecord& record) {
    SettingsRecord read;
    if (std::fread(read.bytes.data(), 1, kRecordSize, stream) != kRecordSize) return false;
    record = read;
    return true;
}

}  // namespace

std::string SettingsPathIn(const std::string& directory) {
    return directory + "\\" + kSettingsFileName;
}

std::string CollapseBackslashRuns(const std::string& text) {
    std::string collapsed;
    collapsed.reserve(text.size());
    for (char c : text) {
        if (c == '\\' && !collapsed.empty() && collapsed.back() == '\\') continue;
        collapsed += c;
    }
    return collapsed;
}

SettingsFile::SettingsFile(std::string path) : m_path(std::move(path)) {}

std::FILE* SettingsFile::OpenStream(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

// The paths are in the system's code page, as the C runtime's streams take
// them; std::filesystem reads a narrow path the same way.
bool SettingsFile::PutInPlace(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

bool SettingsFile::FileExists() const {
#ifdef _WIN32
    return _access(m_path.c_str(), 0) == 0;
#else
    return access(m_path.c_str(), F_OK) == 0;
#endif
}

void SettingsFile::ResetDefaults() { defaultSettings = SettingsRecord::Defaults(); }

int32_t SettingsFile::ReadCheckValue() {
    Stream stream(OpenStream(m_path, "rb"));
    if (!stream) return 0;
    std::array<uint8_t, kRecordSize> skipped;
    std::fread(skipped.data(), 1, skipped.size(), stream.get());
    // Bytes missing at the end of a short file count as zero.
    std::array<uint8_t, kCheckValueSize> check{};
    std::fread(check.data(), 1, check.size(), stream.get());
    return ReadInt32LittleEndian(check.data());
}

int32_t SettingsFile::ReadLastRecordByte(SettingsHost& host) {
    Stream stream(OpenStream(m_path, "rb"));
    if (!stream) {
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
        return 0;
    }
    return static_cast<int8_t>(LastOfRecordBytes(stream.get()));
}

bool SettingsFile::IsSettingsFileValid() {
    uint8_t last = 0;
    {
        Stream stream(OpenStream(m_path, "rb"));
        if (!stream) return false;
        last = LastOfRecordBytes(stream.get());
    }
    return ReadCheckValue() == static_cast<int8_t>(last);
}

// Steps shared by the recovery run's reading and the language store: each
// failing test shows the message and falls back on defaultSettings. A record
// cut short by the end of the file counts as unreadable.
SettingsFile::ReadResult SettingsFile::ReadRecordOrFallback(SettingsHost& host) {
    ReadResult result;
    auto fallBack = [&] {
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
        result.record = defaultSettings;
        result.readable = false;
    };
    if (!FileExists()) fallBack();
    if (!IsSettingsFileValid()) fallBack();
    Stream stream(OpenStream(m_path, "rb"));
    if (!stream)
        fallBack();
    else if (result.readable && !ReadWholeRecord(stream.get(), result.record))
        fallBack();
    return result;
}

SettingsRecord SettingsFile::LoadSettings(SettingsHost& host) {
    ReadResult result = ReadRecordOrFallback(host);
    if (!result.readable) WriteDefaultSettings(host);
    return result.record;
}

void SettingsFile::SaveSettings(SettingsHost& host, int languageIndex) {
    SettingsRecord record = ReadRecordOrFallback(host).record;
    record.SetLanguageIndex(languageIndex);
    defaultSettings = record;

    if (!WriteRecord(record)) {
        host.ShowSettingsMessage(SettingsMessage::WriteError);
        return;
    }
    int32_t checkValue = ReadLastRecordByte(host);
    if (!WriteRecordWithCheck(record, checkValue))
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
}

void SettingsFile::WriteDefaultSettings(SettingsHost& host) {
    const SettingsRecord record = SettingsRecord::DefaultFileRecord();
    if (!WriteRecord(record)) Abandon(host, SettingsMessage::MissingFile, 1);
    int32_t checkValue = ReadLastRecordByte(host);
    if (!WriteRecordWithCheck(record, checkValue)) Abandon(host, SettingsMessage::WriteError, 1);
}

StartupSettings SettingsFile::ReadAtStartup(SettingsHost& host) {
    ResetDefaults();
    if (!FileExists()) {
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
        host.EndProcess(2);
    }

    StartupSettings startup;
    bool checkPassed = IsSettingsFileValid();
    if (!checkPassed) {
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
        WriteDefaultSettings(host);
    }
    // An unreadable file here falls back silently; the next recovery run
    // reports and repairs it.
    startup.record = defaultSettings;
    Stream stream(OpenStream(m_path, "rb"));
    if (stream && checkPassed && !ReadWholeRecord(stream.get(), startup.record))
        startup.record = defaultSettings;
    stream.reset();

    startup.languageIndex = startup.record.LanguageIndex();
    startup.installDirectory = CollapseBackslashRuns(startup.record.InstallDirectory());
    return startup;
}

SettingsRecord SettingsFile::ReadOrRestoreDefaults(SettingsHost& host) {
    if (!FileExists() || !IsSettingsFileValid()) {
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
        WriteDefaultSettings(host);
        return SettingsRecord::Defaults();
    }
    Stream stream(OpenStream(m_path, "rb"));
    if (!stream) {
        // It passed its check a moment ago, so it is in use or just went rather
        // than damaged: reported, left as it is, and the defaults stand in.
        host.ShowSettingsMessage(SettingsMessage::MissingFile);
        return SettingsRecord::Defaults();
    }
    // A record cut short is not used: the defaults stand in for it.
    SettingsRecord record = SettingsRecord::Defaults();
    ReadWholeRecord(stream.get(), record);
    return record;
}

SettingsReading SettingsFile::ReadForEditing() {
    SettingsReading reading;
    reading.record = SettingsRecord::DefaultFileRecord();
    if (!FileExists()) {
        reading.state = SettingsState::Missing;
        return reading;
    }
    Stream stream(IsSettingsFileValid() ? OpenStream(m_path, "rb") : nullptr);
    if (!stream || !ReadWholeRecord(stream.get(), reading.record))
        reading.state = SettingsState::Invalid;
    return reading;
}

bool SettingsFile::SaveRecordSafely(const SettingsRecord& record) {
    const auto file = FileBytes(record, record.CheckValue());
    const std::string temporary = TemporaryPath();
    if (WriteBytes(temporary, file.data(), file.size()) && PutInPlace(temporary, m_path))
        return true;
    std::remove(temporary.c_str());
    return false;
}

bool SettingsFile::WriteSettings(const SettingsRecord& record) {
    return WriteRecordWithCheck(record, record.CheckValue());
}

bool SettingsFile::WriteRecord(const SettingsRecord& record) {
    return WriteBytes(m_path, record.bytes.data(), kRecordSize);
}

bool SettingsFile::WriteRecordWithCheck(const SettingsRecord& record, int32_t checkValue) {
    const auto file = FileBytes(record, checkValue);
    return WriteBytes(m_path, file.data(), file.size());
}

// A failed write or close counts as a file that could not be opened for
// writing: the bytes may never have reached the disk.
bool SettingsFile::WriteBytes(const std::string& path, const uint8_t* data, std::size_t size) {
    Stream stream(OpenStream(path, "wb"));
    if (!stream) return false;
    bool written = std::fwrite(data, 1, size, stream.get()) == size;
    bool closed = std::fclose(stream.release()) == 0;
    return written && closed;
}

void SettingsFile::Abandon(SettingsHost& host, SettingsMessage message, int exitCode) {
    host.ShowSettingsMessage(message);
    host.EndProcess(exitCode);
    std::abort();  // only reached by a host that breaks its promise
}
