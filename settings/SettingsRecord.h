// SettingsRecord.h - the 420-byte settings record of propImage.pro
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Byte layout shared with the configuration program and with files written by
// older copies; it must not change.
namespace SettingsLayout {
constexpr std::size_t kSuffixOffset = 0;
constexpr std::size_t kSuffixWidth = 4;
constexpr std::size_t kOutputPathOffset = 4;
constexpr std::size_t kOutputPathWidth = 200;
constexpr std::size_t kReservedFlagOffset = 204;
constexpr std::size_t kDeleteSourceOffset = 208;
constexpr std::size_t kTextFileFlagOffset = 212;
constexpr std::size_t kLanguageIndexOffset = 216;
constexpr std::size_t kInstallDirectoryOffset = 217;
constexpr std::size_t kInstallDirectoryWidth = 203;
constexpr std::size_t kRecordSize = 420;
constexpr std::size_t kCheckValueSize = 4;
constexpr std::size_t kFileSize = kRecordSize + kCheckValueSize;
}  // namespace SettingsLayout

// The record is kept as its raw bytes, so bytes this program does not
// interpret (the filler behind a short text, unknown flag values) survive a
// read-modify-write unchanged.
struct SettingsRecord {
    std::array<uint8_t, SettingsLayout::kRecordSize> bytes{};

    // Text fields end at their first zero byte or at their width, whichever
    // comes first; a missing terminator never lets a field run into the next.
    std::string Suffix() const;
    std::string OutputPath() const;
    std::string InstallDirectory() const;

    int32_t ReservedFlag() const;
    int32_t DeleteSource() const;
    int32_t TextFileFlag() const;

    int8_t LanguageIndexRaw() const;
    // 1..6; any other stored value reads as 1 (English), so no text lookup
    // can leave its table.
    int LanguageIndex() const;

    // Text setters store the text, its terminating zero and zeros up to the
    // field's width. A text that does not fit (width - 1 characters) is
    // refused: the field stays unchanged and false is returned.
    bool SetSuffix(const std::string& text);
    bool SetOutputPath(const std::string& text);
    bool SetInstallDirectory(const std::string& text);

    void SetReservedFlag(int32_t value);
    void SetDeleteSource(int32_t value);
    void SetTextFileFlag(int32_t value);
    // Stores 1..6 as given and any other index as 1.
    void SetLanguageIndex(int index);

    // The check value stored behind the record: byte 419 sign-extended. It is
    // weak, but the configuration program and existing files use it.
    int32_t CheckValue() const;

    // The in-memory fallback record: "REC", empty output path, flags 1, 0, 1,
    // language 1, every other byte zero.
    static SettingsRecord Defaults();
    // The record a default file is written with: Defaults() plus 199 bytes of
    // 'a' behind the empty output path.
    static SettingsRecord DefaultFileRecord();

private:
    std::string TextAt(std::size_t offset, std::size_t width) const;
    bool SetTextAt(std::size_t offset, std::size_t width, const std::string& text);
    int32_t Int32At(std::size_t offset) const;
    void SetInt32At(std::size_t offset, int32_t value);
};

bool operator==(const SettingsRecord& left, const SettingsRecord& right);
bool operator!=(const SettingsRecord& left, const SettingsRecord& right);

// Little-endian helpers, also used for the check value on disk.
int32_t ReadInt32LittleEndian(const uint8_t* source);
void WriteInt32LittleEndian(int32_t value, uint8_t* target);
