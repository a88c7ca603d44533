// DropListOptions.h - which dropped paths the document list accepts and how
#pragma once

#include <string>

class CDropFileListCtrl;

// Flags of DropListOptions::flags. Bit 0x08 has no meaning.
constexpr unsigned DROP_ACCEPT_FILES = 0x01;      // regular files are accepted
constexpr unsigned DROP_ACCEPT_FOLDERS = 0x02;    // directories are accepted
constexpr unsigned DROP_ALLOW_DUPLICATES = 0x04;  // a listed path may be inserted again
constexpr unsigned DROP_FILTER_EXTENSION = 0x10;  // files must have DropListOptions::extension
constexpr unsigned DROP_USE_CALLBACK = 0x20;      // the callback inserts instead of the list

// The kind of an accepted path, as the insertion callback receives it.
constexpr int DROP_KIND_FOLDER = 0x40;
constexpr int DROP_KIND_FILE = 0x80;

// Inserts one accepted path itself; the list does nothing more for that path.
// The result is ignored.
using DropInsertCallback = int (*)(CDropFileListCtrl& list, std::string& path, int& kind);

struct DropListOptions {
    unsigned flags = DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS;
    std::string extension;  // with its dot, e.g. ".doc"
    DropInsertCallback insertCallback = nullptr;
};

// Whether the list may take these options: the callback flag needs a callback.
inline bool IsUsable(const DropListOptions& options) {
    return !(options.flags & DROP_USE_CALLBACK) || options.insertCallback != nullptr;
}
