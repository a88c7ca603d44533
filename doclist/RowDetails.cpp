// RowDetails.cpp
#include "doclist/RowDetails.h"

#include "base/FileAccess.h"

std::string FormatSizeKb(std::uint64_t bytes) { return std::to_string(bytes / 1024); }

std::string FormatDate(const SYSTEMTIME& time) {
    return std::to_string(time.wDay) + "/" + std::to_string(time.wMonth) + "/" +
           std::to_string(time.wYear);
}

std::string FormatTime(const SYSTEMTIME& time) {
    return std::to_string(time.wHour) + ":" + std::to_string(time.wMinute) + ":" +
           std::to_string(time.wSecond);
}

std::optional<std::uint64_t> ReadFileLength(const std::string& path) {
    // Other readers and writers may keep the file open; only an exclusive
    // hold (or a folder) makes the length unknown.
    HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER length;
    bool known = GetFileSizeEx(file, &length) != FALSE;
    CloseHandle(file);
    if (!known) return std::nullopt;
    return static_cast<std::uint64_t>(length.QuadPart);
}

std::optional<SYSTEMTIME> ReadLastWriteTime(const std::string& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(SystemPath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    // Deliberately no conversion to local time: the list shows UTC.
    SYSTEMTIME time;
    if (!FileTimeToSystemTime(&found.ftLastWriteTime, &time)) return std::nullopt;
    return time;
}

RowDetails ReadRowDetails(const std::string& path) {
    RowDetails details;
    if (auto length = ReadFileLength(path)) details.sizeKb = FormatSizeKb(*length);
    if (auto time = ReadLastWriteTime(path)) {
        details.date = FormatDate(*time);
        details.time = FormatTime(*time);
    }
    return details;
}
