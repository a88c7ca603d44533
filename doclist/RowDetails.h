// RowDetails.h - the Size KB, Date and Time cells of a document row
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

struct RowDetails {
    std::string sizeKb;  // empty when the file's length cannot be read
    std::string date;    // d/m/yyyy of the last write, UTC; empty when unknown
    std::string time;    // h:m:s of the last write, UTC; empty when unknown
};

// Whole kilobytes, remainder dropped: 1023 bytes give "0", 2048 give "2".
std::string FormatSizeKb(std::uint64_t bytes);
// Day/month/year without leading zeros: "3/5/2004".
std::string FormatDate(const SYSTEMTIME& time);
// Hour:minute:second without leading zeros: "7:5:9".
std::string FormatTime(const SYSTEMTIME& time);

// Paths are UTF-8.

// The file's length, read by opening it for reading; none when it cannot be
// opened (a folder, a file held exclusively by another program).
std::optional<std::uint64_t> ReadFileLength(const std::string& path);
// The last-write time as a directory search reports it, in UTC.
std::optional<SYSTEMTIME> ReadLastWriteTime(const std::string& path);

RowDetails ReadRowDetails(const std::string& path);
