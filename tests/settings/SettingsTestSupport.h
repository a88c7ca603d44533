// SettingsTestSupport.h - real folders, a recording host and a file that fails on cue
#pragma once

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsHost.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

using Bytes = std::vector<uint8_t>;
constexpr auto M = SettingsMessage::MissingFile;
constexpr auto W = SettingsMessage::WriteError;

struct ProcessEnded {
    int exitCode;
};

// Records what the user would see; ends a "process" by throwing.
class RecordingHost : public SettingsHost {
public:
    std::vector<SettingsMessage> messages;
    int exitCode = -1;

    void ShowSettingsMessage(SettingsMessage message) override { messages.push_back(message); }
    [[noreturn]] void EndProcess(int code) override {
        exitCode = code;
        throw ProcessEnded{code};
    }
};

// A fresh folder per test under the temporary directory, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("velmo_settings_") + info->test_suite_name() + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        m_path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline Bytes ReadFileBytes(const std::string& path) {
    Bytes bytes;
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (!stream) return bytes;
    for (int c; (c = std::fgetc(stream)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(stream);
    return bytes;
}

inline void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    ASSERT_NE(stream, nullptr) << path;
    if (!bytes.empty()) {
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), stream), bytes.size());
    }
    ASSERT_EQ(std::fclose(stream), 0);
}

inline bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

// The 424 bytes of a default file, spelled out byte by byte.
inline Bytes ExpectedDefaultFile() {
    Bytes file = {'R', 'E', 'C', 0, 0};
    file.insert(file.end(), 199, 'a');
    const Bytes flags = {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1};
    file.insert(file.end(), flags.begin(), flags.end());
    file.insert(file.end(), 203, 0);
    file.insert(file.end(), 4, 0);
    return file;
}

inline Bytes FileOf(const SettingsRecord& record, const Bytes& checkValue) {
    Bytes file(record.bytes.begin(), record.bytes.end());
    file.insert(file.end(), checkValue.begin(), checkValue.end());
    return file;
}

enum class Failure { OpenFails, WriteFails, CloseFails };

// Makes one chosen opening fail, in one of three ways: the open itself, the
// write into the opened stream, or the close that flushes it.
class ScriptedSettingsFile : public SettingsFile {
public:
    using SettingsFile::SettingsFile;

    // The nth opening with this mode ("rb" or "wb"), counted from 1.
    void FailOpening(const std::string& mode, int nth, Failure how) {
        m_failMode = mode;
        m_failAt = nth;
        m_failure = how;
    }

protected:
    std::FILE* OpenStream(const std::string& path, const char* mode) override {
        int count = ++(std::strcmp(mode, "wb") == 0 ? m_writeOpens : m_readOpens);
        if (mode != m_failMode || count != m_failAt) return SettingsFile::OpenStream(path, mode);
        switch (m_failure) {
        case Failure::OpenFails:
            return nullptr;
        case Failure::WriteFails:
            // Created as a real open would, but a stream that refuses writes.
            std::fclose(std::fopen(path.c_str(), "wb"));
            return std::fopen(path.c_str(), "rb");
        case Failure::CloseFails: {
            // Writes land in the buffer; the flush at the close finds no file.
            std::FILE* stream = std::fopen(path.c_str(), "wb");
#ifdef _WIN32
            _close(_fileno(stream));
#else
            close(fileno(stream));
#endif
            return stream;
        }
        }
        return nullptr;
    }

private:
    std::string m_failMode;
    int m_failAt = 0;
    Failure m_failure = Failure::OpenFails;
    int m_readOpens = 0;
    int m_writeOpens = 0;
};
