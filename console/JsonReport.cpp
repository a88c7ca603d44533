// JsonReport.cpp
#include "console/JsonReport.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json TextOrNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

std::string PictureCounts(const DocumentReport& report) {
    int total = report.jpegCount + report.pngCount;
    return std::to_string(total) + (total == 1 ? " picture (" : " pictures (") +
           std::to_string(report.jpegCount) + " JPEG, " + std::to_string(report.pngCount) + " PNG)";
}

}  // namespace

std::string JsonLine(const DocumentReport& report) {
    Json line;
    line["path"] = report.path;
    line["outputFolder"] = TextOrNull(report.outputFolder);
    line["pictures"] = {{"jpeg", report.jpegCount}, {"png", report.pngCount}};
    line["bytes"] = report.bytes;
    line["status"] = report.completed ? "completed" : "failed";
    line["failure"] = TextOrNull(report.failure);
    return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string TextLine(const DocumentReport& report) {
    std::string line = report.path + ": ";
    if (!report.completed) {
        line += "failed: " + report.failure;
        if (!report.outputFolder.empty())
            line += "; " + PictureCounts(report) + " in " + report.outputFolder;
        return line;
    }
    if (report.outputFolder.empty()) return line + "no picture";
    return line + PictureCounts(report) + " in " + report.outputFolder;
}
