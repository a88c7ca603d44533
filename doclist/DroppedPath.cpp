// DroppedPath.cpp
#include "doclist/DroppedPath.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "framework/Text.h"
#include "base/FileAccess.h"

namespace {

// The target as the link's item list names it; empty when it names no file.
std::string ItemListTarget(IShellLinkW* link) {
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(link->GetIDList(&items)) || items == nullptr) return std::string();
    wchar_t target[MAX_PATH + 1] = L"";
    BOOL found = SHGetPathFromIDListW(items, target);
    CoTaskMemFree(items);
    return found ? Utf8FromWide(target) : std::string();
}

std::string LinkTarget(IShellLinkW* link, IPersistFile* file, const std::string& path) {
    if (FAILED(file->Load(Widen(path).c_str(), STGM_READ))) return std::string();
    // A shortcut stores its target in at most MAX_PATH characters.
    wchar_t stored[MAX_PATH + 1] = L"";
    WIN32_FIND_DATAW found;
    if (FAILED(link->GetPath(stored, MAX_PATH, &found, SLGP_UNCPRIORITY))) return std::string();
    std::string target = Utf8FromWide(stored);
    // Some links keep their target path in the ANSI code page only, where a
    // name in another script lost its letters; the item list keeps them.
    if (!PathExists(target)) {
        std::string named = ItemListTarget(link);
        if (!named.empty() && PathExists(named)) return named;
    }
    return target;
}

}  // namespace

std::string ResolveShortcut(const std::string& path) {
    if (path.empty()) return std::string();
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::string();
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return std::string();
    }
    std::string target = LinkTarget(link, file, path);
    file->Release();
    link->Release();
    return target;
}

bool HasExtension(const std::string& path, const std::string& extension) {
    std::wstring widePath = Widen(path);
    return lstrcmpiW(PathFindExtensionW(widePath.c_str()), Widen(extension).c_str()) == 0;
}

PathType QueryPathType(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data))
        return PathType::Missing;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return PathType::Folder;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) return PathType::Other;
    return PathType::File;
}
