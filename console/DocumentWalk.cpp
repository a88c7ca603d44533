// DocumentWalk.cpp
#include "console/DocumentWalk.h"

#include "base/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include "console/ConsoleText.h"

#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {

std::string ErrnoText(int error) { return std::generic_category().message(error); }

class Walk {
public:
    Walk(bool recursive, FolderReader& reader, const std::string& outputFolder)
        : m_recursive(recursive), m_reader(reader) {
        if (!outputFolder.empty()) m_outputFolder = reader.Examine(outputFolder, true).identity;
    }

    void AddInput(const std::string& path) {
        EntryStatus status = m_reader.Examine(path, true);
        if (status.type == EntryType::Folder)
            AddFolder(path, status.identity);
        else if (status.type == EntryType::Document)
            m_documents.push_back({path, status.size, ""});
        else if (status.type == EntryType::Missing)
            m_documents.push_back({path, 0, "cannot be opened (" + status.failure + ")"});
        else
            m_documents.push_back({path, 0, "neither a document nor a folder"});
    }

    std::vector<WalkedDocument> Documents() { return std::move(m_documents); }

private:
    void AddFolder(const std::string& folder, const FileIdentity& identity) {
        std::vector<std::string> names;
        std::string failure;
        if (!m_reader.List(folder, names, failure)) {
            m_documents.push_back({folder, 0, "cannot read the folder (" + failure + ")"});
            return;
        }
        std::sort(names.begin(), names.end());
        m_walking.push_back(identity);
        for (const std::string& name : names) AddEntry(JoinPath(folder, name));
        m_walking.pop_back();
    }

    void AddEntry(const std::string& path) {
        EntryStatus status = m_reader.Examine(path, false);
        if (status.type == EntryType::Document)
            m_documents.push_back({path, status.size, ""});
        else if (status.type == EntryType::Folder && m_recursive && !Skipped(status.identity))
            AddFolder(path, status.identity);
        else if (status.type == EntryType::Missing && status.gone)
            m_documents.push_back({path, 0, "gone during the walk (" + status.failure + ")"});
        else if (status.type == EntryType::Missing)
            m_documents.push_back({path, 0, "cannot be opened (" + status.failure + ")"});
    }

    // The output folder, and a folder already being walked: a link the
    // reader could not tell as one (a mount, or a link a Windows layer shows
    // as a plain folder) would otherwise make the walk endless.
    bool Skipped(const FileIdentity& folder) const {
        if (!folder.Known()) return false;
        return folder == m_outputFolder ||
               std::find(m_walking.begin(), m_walking.end(), folder) != m_walking.end();
    }

    bool m_recursive;
    FolderReader& m_reader;
    FileIdentity m_outputFolder;
    std::vector<FileIdentity> m_walking;
    std::vector<WalkedDocument> m_documents;
};

}  // namespace

std::vector<WalkedDocument> WalkDocuments(const std::vector<std::string>& inputs, bool recursive,
                                          FolderReader& reader, const std::string& outputFolder) {
    Walk walk(recursive, reader, outputFolder);
    for (const std::string& input : inputs) walk.AddInput(input);
    return walk.Documents();
}

#ifdef _WIN32

namespace {

// The C runtime finds no folder by a path that ends in a separator, unless
// it is a drive's root.
std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && EndsWithSeparator(path) && path.back() != ':' &&
           !(path.size() == 3 && path[1] == ':'))
        path.pop_back();
    return path;
}

// A junction or a folder link; a reparse point that is the folder itself
// (a cloud placeholder, a deduplicated folder) is walked. No tag is 0: Wine
// gives 0 for the Unix links it shows as reparse points.
bool IsFolderLink(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    const DWORD tag = entry.dwReserved0;
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (tag == 0 || IsReparseTagNameSurrogate(tag));
}

FileIdentity FolderIdentity(const std::wstring& path) {
    FileIdentity identity;
    HANDLE folder =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return identity;
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileInformationByHandle(folder, &information)) {
        identity.volume = information.dwVolumeSerialNumber;
        identity.file = (uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    }
    CloseHandle(folder);
    return identity;
}

EntryType KindOf(unsigned mode) {
    if ((mode & _S_IFMT) == _S_IFCHR) return EntryType::Device;
    if ((mode & _S_IFMT) == _S_IFIFO) return EntryType::Pipe;
    return EntryType::Other;
}

}  // namespace

EntryStatus FolderReader::Examine(const std::string& path, bool followLinks) {
    EntryStatus status;
    const std::wstring systemPath = SystemPath(WithoutTrailingSeparator(path));
    struct _stati64 info;
    if (_wstati64(systemPath.c_str(), &info) != 0) {
        status.gone = errno == ENOENT;
        status.failure = ErrnoText(errno);
        return status;
    }
    if ((info.st_mode & _S_IFDIR) != 0) {
        status.type =
            !followLinks && IsFolderLink(systemPath) ? EntryType::Other : EntryType::Folder;
        status.identity = FolderIdentity(systemPath);
    } else if ((info.st_mode & _S_IFREG) != 0) {
        status.type = EntryType::Document;
        status.size = static_cast<uint64_t>(info.st_size);
    } else {
        status.type = KindOf(info.st_mode);
    }
    return status;
}

bool FolderReader::List(const std::string& folder, std::vector<std::string>& names,
                        std::string& failure) {
    struct _wfinddata64_t entry;
    intptr_t search = _wfindfirst64(SystemPath(JoinPath(folder, "*")).c_str(), &entry);
    if (search == -1) {
        failure = ErrnoText(errno);
        return false;
    }
    do {
        std::string name = Utf8FromUtf16(entry.name);
        if (name != "." && name != "..") names.push_back(name);
    } while (_wfindnext64(search, &entry) == 0);
    _findclose(search);
    return true;
}

#else

EntryStatus FolderReader::Examine(const std::string& path, bool followLinks) {
    EntryStatus status;
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        status.gone = errno == ENOENT;
        status.failure = ErrnoText(errno);
        return status;
    }
    if (S_ISDIR(info.st_mode)) {
        struct stat link;
        bool isLink = !followLinks && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
        status.type = isLink ? EntryType::Other : EntryType::Folder;
        status.identity = {static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
    } else if (S_ISREG(info.st_mode)) {
        status.type = EntryType::Document;
        status.size = static_cast<uint64_t>(info.st_size);
    } else if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        status.type = EntryType::Device;
    } else if (S_ISFIFO(info.st_mode)) {
        status.type = EntryType::Pipe;
    } else {
        status.type = EntryType::Other;
    }
    return status;
}

bool FolderReader::List(const std::string& folder, std::vector<std::string>& names,
                        std::string& failure) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        failure = ErrnoText(errno);
        return false;
    }
    errno = 0;
    while (const dirent* entry = readdir(directory)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    bool complete = errno == 0;
    if (!complete) failure = ErrnoText(errno);
    closedir(directory);
    return complete;
}

#endif
