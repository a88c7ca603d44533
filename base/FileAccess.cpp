// FileAccess.cpp
#include "base/FileAccess.h"

#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <cstdlib>
#include <direct.h>
#include <io.h>
#include <vector>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

bool IsDriveAbsolute(const std::wstring& path) {
    return path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
}

bool StartsWithTwoSeparators(const std::wstring& path) {
    return path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/') &&
           (path[1] == L'\\' || path[1] == L'/');
}

}  // namespace

#ifdef _WIN32
// Upper case as NTFS folds names: the invariant locale's simple mapping,
// the same for every user's language.
std::string SameNameKey(const std::string& path) {
    std::wstring wide = Utf16FromUtf8(path);
    if (wide.empty()) return path;
    const int length = static_cast<int>(wide.size());
    std::wstring upper(wide.size(), L'\0');
    if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(), length, &upper[0], length) !=
        length)
        return path;
    return Utf8FromUtf16(upper);
}
#else
std::string SameNameKey(const std::string& path) { return path; }
#endif

#ifdef _WIN32
std::FILE* OpenTemporaryFile() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || GetTempFileNameW(folder, L"vel", 0, path) == 0)
        return nullptr;
    // D: the runtime deletes the file when it is closed, or when the process ends.
    std::FILE* file = _wfopen(path, L"w+bD");
    if (file == nullptr) DeleteFileW(path);
    return file;
}
#else
std::FILE* OpenTemporaryFile() { return std::tmpfile(); }
#endif

bool EndsWithSeparator(const std::string& path) {
    if (path.empty()) return false;
#ifdef _WIN32
    return path.back() == '\\' || path.back() == '/' || path.back() == ':';
#else
    return path.back() == '/';
#endif
}

std::string JoinPath(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    return EndsWithSeparator(folder) ? folder + name : folder + separator + name;
}

std::wstring ExtendedLengthPath(const std::wstring& absolutePath) {
    if (absolutePath.size() < kPlainPathLimit || absolutePath.compare(0, 4, L"\\\\?\\") == 0)
        return absolutePath;
    std::wstring path = absolutePath;
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    if (IsDriveAbsolute(path)) return L"\\\\?\\" + path;
    if (StartsWithTwoSeparators(path)) return L"\\\\?\\UNC\\" + path.substr(2);
    return absolutePath;
}

#ifdef _WIN32

namespace {

// The 32767 characters an extended path may have, and its terminator.
constexpr size_t kLongestPath = 32768;

std::wstring Absolute(const std::wstring& path) {
    std::vector<wchar_t> full(kLongestPath);
    if (_wfullpath(full.data(), path.c_str(), full.size()) == nullptr) return path;
    return full.data();
}

}  // namespace

std::wstring SystemPath(const std::string& path) {
    std::wstring wide = Utf16FromUtf8(path);
    if (wide.empty()) return wide;  // names nothing, not the current directory
    if (wide.size() < kPlainPathLimit && (IsDriveAbsolute(wide) || StartsWithTwoSeparators(wide)))
        return wide;
    // A short relative path may still grow too long once the current
    // directory is put in front of it.
    return ExtendedLengthPath(Absolute(wide));
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(SystemPath(path).c_str(), Utf16FromUtf8(mode).c_str());
}

bool RemoveFile(const std::string& path) { return _wremove(SystemPath(path).c_str()) == 0; }

bool MakeDirectory(const std::string& path) { return _wmkdir(SystemPath(path).c_str()) == 0; }

bool PathExists(const std::string& path) { return _waccess(SystemPath(path).c_str(), 0) == 0; }

#else

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool MakeDirectory(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

bool PathExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

#endif
