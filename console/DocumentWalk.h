// DocumentWalk.h: the documents named on the command line, folders walked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class EntryType { Missing, Document, Folder, Device, Pipe, Other };

// Tells one file or folder whatever path leads to it: device and inode, or
// on Windows volume and file index. Zero when it cannot be told.
struct FileIdentity {
    uint64_t volume = 0;
    uint64_t file = 0;
    bool Known() const { return volume != 0 || file != 0; }
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && file == other.file;
    }
};

struct EntryStatus {
    EntryType type = EntryType::Missing;
    uint64_t size = 0;      // of a document
    FileIdentity identity;  // of a folder
    std::string failure;    // why it cannot be told, for Missing
    bool gone = false;      // Missing because nothing is there
};

// The file system as the walk sees it; tests make it misbehave. Paths are
// UTF-8 (see base/FileAccess.h).
class FolderReader {
public:
    virtual ~FolderReader() = default;
    // What the path names. Inside a walk (followLinks false) a link to a
    // folder (on Windows a junction or a folder link) is Other, so that a
    // link to a parent cannot make the walk endless.
    virtual EntryStatus Examine(const std::string& path, bool followLinks);
    // The names in the folder, without "." and "..", in no particular order.
    virtual bool List(const std::string& folder, std::vector<std::string>& names,
                      std::string& failure);
};

// One document to scan, or, with a failure, an input that cannot be one.
struct WalkedDocument {
    std::string path;
    uint64_t size = 0;
    std::string failure;
};

// The inputs in the order given; each folder's documents sorted by name,
// subfolders (with recursive) walked where their names fall. Entries that
// are neither documents nor folders are left out of a walk; anything that
// cannot be read is kept with its failure, so that it is reported. The
// output folder is left out of a walk too, so that no run scans the
// pictures of the runs before it.
std::vector<WalkedDocument> WalkDocuments(const std::vector<std::string>& inputs, bool recursive,
                                          FolderReader& reader,
                                          const std::string& outputFolder = std::string());
