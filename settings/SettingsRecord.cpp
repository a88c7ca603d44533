// SettingsRecord.cpp
#include "settings/SettingsRecord.h"

#include "base/LittleEndian.h"

#include <algorithm>
#include <cstring>

using namespace SettingsLayout;

namespace {
constexpr int kFirstLanguage = 1;
constexpr int kLastLanguage = 6;
constexpr std::size_t kFillerCount = 199;
constexpr uint8_t kFillerByte = 'a';

bool IsKnownLanguage(int index) { return index >= kFirstLanguage && index <= kLastLanguage; }
}  // namespace

int32_t ReadInt32LittleEndian(const uint8_t* source) {
    return static_cast<int32_t>(Little32(source));
}

void WriteInt32LittleEndian(int32_t value, uint8_t* target) {
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) target[i] = static_cast<uint8_t>(bits >> (8 * i));
}

std::string SettingsRecord::TextAt(std::size_t offset, std::size_t width) const {
    const uint8_t* begin = bytes.data() + offset;
    const uint8_t* end = std::find(begin, begin + width, uint8_t(0));
    return std::string(begin, end);
}

bool SettingsRecord::SetTextAt(std::size_t offset, std::size_t width, const std::string& text) {
    if (text.size() >= width) return false;
    uint8_t* field = bytes.data() + offset;
    std::fill(field, field + width, uint8_t(0));
    std::memcpy(field, text.data(), text.size());
    return true;
}

int32_t SettingsRecord::Int32At(std::size_t offset) const {
    return ReadInt32LittleEndian(bytes.data() + offset);
}

void SettingsRecord::SetInt32At(std::size_t offset, int32_t value) {
    WriteInt32LittleEndian(value, bytes.data() + offset);
}

std::string SettingsRecord::Suffix() const { return TextAt(kSuffixOffset, kSuffixWidth); }
std::string SettingsRecord::OutputPath() const {
    return TextAt(kOutputPathOffset, kOutputPathWidth);
}
std::string SettingsRecord::InstallDirectory() const {
    return TextAt(kInstallDirectoryOffset, kInstallDirectoryWidth);
}

int32_t SettingsRecord::ReservedFlag() const { return Int32At(kReservedFlagOffset); }
int32_t SettingsRecord::DeleteSource() const { return Int32At(kDeleteSourceOffset); }
int32_t SettingsRecord::TextFileFlag() const { return Int32At(kTextFileFlagOffset); }

int8_t SettingsRecord::LanguageIndexRaw() const {
    return static_cast<int8_t>(bytes[kLanguageIndexOffset]);
}

int SettingsRecord::LanguageIndex() const {
    int stored = LanguageIndexRaw();
    return IsKnownLanguage(stored) ? stored : kFirstLanguage;
}

bool SettingsRecord::SetSuffix(const std::string& text) {
    return SetTextAt(kSuffixOffset, kSuffixWidth, text);
}

bool SettingsRecord::SetOutputPath(const std::string& text) {
    return SetTextAt(kOutputPathOffset, kOutputPathWidth, text);
}

bool SettingsRecord::SetInstallDirectory(const std::string& text) {
    return SetTextAt(kInstallDirectoryOffset, kInstallDirectoryWidth, text);
}

void SettingsRecord::SetReservedFlag(int32_t value) { SetInt32At(kReservedFlagOffset, value); }
void SettingsRecord::SetDeleteSource(int32_t value) { SetInt32At(kDeleteSourceOffset, value); }
void SettingsRecord::SetTextFileFlag(int32_t value) { SetInt32At(kTextFileFlagOffset, value); }

void SettingsRecord::SetLanguageIndex(int index) {
    bytes[kLanguageIndexOffset] =
        static_cast<uint8_t>(IsKnownLanguage(index) ? index : kFirstLanguage);
}

int32_t SettingsRecord::CheckValue() const { return static_cast<int8_t>(bytes[kRecordSize - 1]); }

SettingsRecord SettingsRecord::Defaults() {
    SettingsRecord record;
    record.SetSuffix("REC");
    record.SetReservedFlag(1);
    record.SetDeleteSource(0);
    record.SetTextFileFlag(1);
    record.SetLanguageIndex(kFirstLanguage);
    return record;
}

SettingsRecord SettingsRecord::DefaultFileRecord() {
    SettingsRecord record = Defaults();
    uint8_t* filler = record.bytes.data() + kOutputPathOffset + 1;
    std::fill(filler, filler + kFillerCount, kFillerByte);
    return record;
}

bool operator==(const SettingsRecord& left, const SettingsRecord& right) {
    return left.bytes == right.bytes;
}

bool operator!=(const SettingsRecord& left, const SettingsRecord& right) {
    return !(left == right);
}
