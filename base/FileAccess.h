// FileAccess.h: the C runtime's file calls for UTF-8 paths.
#pragma once

#include "base/Utf16.h"

#include <cstdio>
#include <string>

// Paths are UTF-8. On Windows they reach the wide C runtime as UTF-16, so any
// name the file system can hold works whatever the ANSI code page; elsewhere
// the bytes are used as they are.
std::FILE* OpenFile(const std::string& path, const char* mode);
bool RemoveFile(const std::string& path);
// Creates the last level of the path; false when it could not (it exists).
bool MakeDirectory(const std::string& path);
bool PathExists(const std::string& path);
// A new file for reading and writing that is deleted when closed; nullptr
// when none can be made. On Windows it lies in the user's temporary folder,
// where the C runtime's tmpfile() would try the drive's root.
std::FILE* OpenTemporaryFile();

// The folder, the system's separator and the name; no second separator after
// a folder that ends with one (or, on Windows, with a drive's colon).
std::string JoinPath(const std::string& folder, const std::string& name);
// The path as the file system tells names apart: on Windows letter case
// does not count, in any script ("Ärger" and "ärger" name one folder);
// elsewhere every byte counts.
std::string SameNameKey(const std::string& path);
// True when the path ends with a separator (or, on Windows, a drive's colon).
bool EndsWithSeparator(const std::string& path);

// Paths at least this long (in UTF-16 units) need the extended form: below
// it even a directory leaves room for an 8.3 name inside MAX_PATH.
constexpr size_t kPlainPathLimit = 248;

// The extended-length spelling (\\?\C:\..., \\?\UNC\server\...) of an absolute
// path that is too long for the plain one; shorter paths, relative paths and
// paths already extended stay as they are. Separators become backslashes, as
// the extended form takes every character literally.
std::wstring ExtendedLengthPath(const std::wstring& absolutePath);

#ifdef _WIN32
// The path as the wide file functions take it: UTF-16, made absolute and
// extended when too long for the plain form. Empty when the path is not UTF-8.
std::wstring SystemPath(const std::string& path);
#endif
