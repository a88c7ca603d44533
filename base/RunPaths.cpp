// RunPaths.cpp
#include "base/RunPaths.h"

namespace {

const char kDefaultSuffix[] = "REC";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string DocumentName(const std::string& documentPath) {
    size_t start = 0;
    for (size_t i = 0; i < documentPath.size(); ++i) {
        if (IsSeparator(documentPath[i])) start = i + 1;
    }
    std::string component = documentPath.substr(start);
    return component.substr(0, component.find('.'));
}

std::string BuildOutputDirectory(const std::string& outputPath, const std::string& suffix,
                                 const std::string& documentName,
                                 const std::string& currentDirectory) {
    if (outputPath.empty()) return currentDirectory + '\\' + documentName + suffix;
    return outputPath + documentName + (suffix.empty() ? kDefaultSuffix : suffix);
}

std::string CollapseBackslashes(const std::string& path) {
    std::string collapsed;
    size_t start = 0;
    if (path.compare(0, 2, "\\\\") == 0) {
        collapsed = "\\\\";
        start = path.find_first_not_of('\\');
        if (start == std::string::npos) return collapsed;
    }
    for (size_t i = start; i < path.size(); ++i) {
        if (path[i] != '\\' || collapsed.empty() || collapsed.back() != '\\') collapsed += path[i];
    }
    return collapsed;
}

bool HasRoomFor(uint64_t freeBytes, uint64_t documentBytes) {
    return (freeBytes >> 10) >= documentBytes / 1024 + 10;
}
