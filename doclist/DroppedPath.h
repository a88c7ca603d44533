// DroppedPath.h - what the document list makes of one path dropped on it
#pragma once

#include <string>

// Paths are UTF-8.

// The target of a shell shortcut, or "" when the path is not a shortcut that
// can be loaded or when its target has no file-system path. Needs OLE on the
// calling thread; without it every path yields "".
std::string ResolveShortcut(const std::string& path);

// Whether the path's extension (from the last dot of its last component, dot
// included, as the shell finds it) equals the filter, ignoring letter case in
// every script.
bool HasExtension(const std::string& path, const std::string& extension);

enum class PathType { Missing, File, Folder, Other };
// The file-system type of the path; Other for a device.
PathType QueryPathType(const std::string& path);
