// DroppedPath.cpp
#include "doclist/DroppedPath.h"

#include <windows.h>
#include <mbstring.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <vector>

#include "framework/Text.h"

namespace {

std::string LinkTarget(IShellLinkA* link, IPersistFile* file, const std::string& path)
{
    if (FAILED(file->Load(WidenAnsi(path).c_str(), STGM_READ)))
        return std::string();
    // IShellLinkA cannot report a target longer than an ANSI path anyway.
    std::vector<char> target(MAX_PATH + 1, '\0');
    WIN32_FIND_DATAA found;
    if (FAILED(link->GetPath(target.data(), MAX_PATH, &found, SLGP_UNCPRIORITY)))
        return std::string();
    return std::string(target.data());
}

}  // namespace

std::string ResolveShortcut(const std::string& path)
{
    if (path.empty())
        return std::string();
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
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

bool HasExtension(const std::string& path, const std::string& extension)
{
    const char* found = PathFindExtensionA(path.c_str());
    return _mbsicmp(reinterpret_cast<const unsigned char*>(found),
                    reinterpret_cast<const unsigned char*>(extension.c_str())) == 0;
}

PathType QueryPathType(const std::string& path)
{
    struct _stati64 status;
    if (_stati64(path.c_str(), &status) != 0)
        return PathType::Missing;
    if ((status.st_mode & _S_IFMT) == _S_IFDIR)
        return PathType::Folder;
    if ((status.st_mode & _S_IFMT) == _S_IFREG)
        return PathType::File;
    return PathType::Other;
}
