// ConfigChecks.cpp
#include "config/ConfigChecks.h"

#include <windows.h>

#include <cctype>
#include <cstring>
#include <vector>

std::string WithTrailingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

std::wstring TrimBlanks(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::wstring();
    const size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

bool IsFullPath(const std::string& folder) {
    const bool drive = folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
                       folder[1] == ':' && folder[2] == '\\';
    const bool share = folder.size() > 2 && folder.compare(0, 2, "\\\\") == 0 && folder[2] != '\\';
    return drive || share;
}

char ForbiddenFolderCharacter(const std::string& text) {
    for (char c : text) {
        if (std::strchr("\\/:*?\"<>|", c) || static_cast<unsigned char>(c) < 32) return c;
    }
    return '\0';
}

std::string WithBackslashes(std::string folder) {
    for (char& c : folder)
        if (c == '/') c = '\\';
    return folder;
}

namespace {

// The device Windows keeps the name for in every folder, with or without an
// extension ("nul.txt" is NUL); empty for a name of no device.
std::string ReservedDevice(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return base;
    const bool numbered = base.size() == 4 &&
                          (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
                          base[3] >= '1' && base[3] <= '9';
    return numbered ? base : std::string();
}

}  // namespace

FolderProblem ProblemOfFolder(const std::string& fullPath) {
    const bool share = fullPath.compare(0, 2, "\\\\") == 0;
    // A drive's colon is the one a path may hold.
    const std::string below = fullPath.substr(2);
    for (char c : below) {
        if (std::strchr(":*?\"<>|", c) || static_cast<unsigned char>(c) < 32)
            return {FolderFault::Character, std::string(1, c), ""};
    }
    const std::string names = below + '\\';
    for (size_t start = 0, cut; (cut = names.find('\\', start)) != std::string::npos;
         start = cut + 1) {
        const std::string name = names.substr(start, cut - start);
        const std::string device = ReservedDevice(name);
        if (!device.empty()) return {FolderFault::ReservedName, name, device};
    }
    const std::string drive = fullPath.substr(0, 2);
    if (!share && GetDriveTypeA((drive + "\\").c_str()) == DRIVE_NO_ROOT_DIR)
        return {FolderFault::NoDrive, drive, ""};
    return {};
}

bool EndsWithDotOrBlank(const std::string& text) {
    return !text.empty() && (text.back() == '.' || text.back() == ' ');
}

size_t AnsiLength(const std::wstring& text) {
    if (text.empty()) return 0;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    return static_cast<size_t>(bytes > 0 ? bytes : 0);
}

bool FolderExists(const std::string& ansiFolder) {
    const DWORD attributes = GetFileAttributesA(ansiFolder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Walks down from the root, creating each level that is not there yet.
bool CreateFolderWithParents(const std::string& ansiFolder) {
    const std::string folder = WithTrailingBackslash(ansiFolder);
    size_t start =
        folder.compare(0, 2, "\\\\") == 0 ? folder.find('\\', folder.find('\\', 2) + 1) : 2;
    for (size_t cut = folder.find('\\', start + 1); cut != std::string::npos;
         cut = folder.find('\\', cut + 1)) {
        const std::string level = folder.substr(0, cut);
        if (!FolderExists(level)) CreateDirectoryA(level.c_str(), nullptr);
    }
    return FolderExists(folder);
}

std::string RunningProgramFolder() {
    std::vector<char> module(MAX_PATH);
    while (GetModuleFileNameA(nullptr, module.data(), static_cast<DWORD>(module.size())) >=
           module.size())
        module.resize(module.size() * 2);
    const std::string path(module.data());
    return path.substr(0, path.find_last_of('\\') + 1);
}
