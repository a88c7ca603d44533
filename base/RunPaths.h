// RunPaths.h: the names and paths a recovery run works out before scanning.
#pragma once

#include <cstdint>
#include <string>

// The last component of the path up to its first dot (all of it without a
// dot): C:\Work\Report.final.doc gives Report.
std::string DocumentName(const std::string& documentPath);

// Without an output path: the current directory, a backslash, the name and
// the suffix as stored. With one: the output path, the name and the suffix,
// or "REC" when the suffix is empty; no separator is added in between.
std::string BuildOutputDirectory(const std::string& outputPath, const std::string& suffix,
                                 const std::string& documentName,
                                 const std::string& currentDirectory);

// Reduces every run of backslashes to one, except the two that open a
// network path (\\server\share), which must stay to keep it one.
std::string CollapseBackslashes(const std::string& path);

// Room for a document's pictures: free kilobytes at least the document's
// kilobytes plus ten.
bool HasRoomFor(uint64_t freeBytes, uint64_t documentBytes);
