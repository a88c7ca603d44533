// DocumentWalk.cpp
#include "console/DocumentWalk.h"

#include "recovery/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include "console/ConsoleText.h"

#include <io.h>
#include <sys/stat.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {

std::string ErrnoText(int error) { return std::generic_category().message(error); }

class Walk {
public:
    Walk(bool recursive, FolderReader& reader) : m_recursive(recursive), m_reader(reader) {}

    void AddInput(const std::string& path) {
        EntryStatus status = m_reader.Examine(path, true);
        if (status.type == EntryType::Folder)
            AddFolder(path);
        else if (status.type == EntryType::Document)
            m_documents.push_back({path, status.size, ""});
        else if (status.type == EntryType::Missing)
            m_documents.push_back({path, 0, "cannot be opened (" + status.failure + ")"});
        else
            m_documents.push_back({path, 0, "neither a document nor a folder"});
    }

    std::vector<WalkedDocument> Documents() { return std::move(m_documents); }

private:
    void AddFolder(const std::string& folder) {
        std::vector<std::string> names;
        std::string failure;
        if (!m_reader.List(folder, names, failure)) {
            m_documents.push_back({folder, 0, "cannot read the folder (" + failure + ")"});
            return;
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) AddEntry(JoinPath(folder, name));
    }

    void AddEntry(const std::string& path) {
        EntryStatus status = m_reader.Examine(path, false);
        if (status.type == EntryType::Document)
            m_documents.push_back({path, status.size, ""});
        else if (status.type == EntryType::Folder && m_recursive)
            AddFolder(path);
        else if (status.type == EntryType::Missing && status.gone)
            m_documents.push_back({path, 0, "gone during the walk (" + status.failure + ")"});
        else if (status.type == EntryType::Missing)
            m_documents.push_back({path, 0, "cannot be opened (" + status.failure + ")"});
    }

    bool m_recursive;
    FolderReader& m_reader;
    std::vector<WalkedDocument> m_documents;
};

}  // namespace

std::vector<WalkedDocument> WalkDocuments(const std::vector<std::string>& inputs, bool recursive,
                                          FolderReader& reader) {
    Walk walk(recursive, reader);
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

}  // namespace

EntryStatus FolderReader::Examine(const std::string& path, bool) {
    EntryStatus status;
    struct _stati64 info;
    if (_wstati64(SystemPath(WithoutTrailingSeparator(path)).c_str(), &info) != 0) {
        status.gone = errno == ENOENT;
        status.failure = ErrnoText(errno);
        return status;
    }
    if ((info.st_mode & _S_IFDIR) != 0) {
        status.type = EntryType::Folder;
    } else if ((info.st_mode & _S_IFREG) != 0) {
        status.type = EntryType::Document;
        status.size = static_cast<uint64_t>(info.st_size);
    } else {
        status.type = EntryType::Other;
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
    } else if (S_ISREG(info.st_mode)) {
        status.type = EntryType::Document;
        status.size = static_cast<uint64_t>(info.st_size);
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
