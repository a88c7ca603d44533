// JsonReport.cpp
#include "console/JsonReport.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <numeric>

namespace {

// The length of the UTF-8 character that starts at the byte, or 0 when the
// bytes there are not one (well-formed as Unicode defines it: no overlong
// form, no surrogate, nothing beyond U+10FFFF).
size_t CharacterLength(const std::string& text, size_t at) {
    auto byte = [&text](size_t i) { return i < text.size() ? uint8_t(text[i]) : 0u; };
    const unsigned lead = byte(at);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    }
    return length;
}

std::string Escape(const char* pattern, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// A JSON string of the bytes. A byte that is no part of a UTF-8 character (a
// Linux name may hold any) becomes the lone surrogate U+DC00 plus the byte,
// as Python's surrogateescape has it, so that the name can be had back.
std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const size_t length = CharacterLength(text, at);
        if (length == 0)
            json += Escape("\\udc%02x", c);
        else if (c == '"' || c == '\\')
            json += std::string("\\") + char(c);
        else if (c < 0x20)
            json += Escape("\\u%04x", c);
        else
            json.append(text, at, length);
        at += length == 0 ? 1 : length;
    }
    return json + '"';
}

std::string TextOrNull(const std::string& text) { return text.empty() ? "null" : JsonString(text); }

// {"jpeg":n,"png":n,...}: every kind the call writes, in the kinds' order.
std::string JsonCounts(const KindCounts& counts, const PictureKinds& kinds) {
    std::string json;
    for (size_t kind = 0; kind < kPictureKinds; ++kind) {
        if (!kinds.test(kind)) continue;
        json += json.empty() ? "{" : ",";
        json += std::string("\"") + KindName(static_cast<PictureKind>(kind)) +
                "\":" + std::to_string(counts[kind]);
    }
    return json.empty() ? "{}" : json + "}";
}

// The picture file's name in its document's folder.
std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

std::string JsonRecord(const PictureRecord& record) {
    const std::string file = record.file.empty() ? "null" : JsonString(FileName(record.file));
    return "{\"file\":" + file + ",\"kind\":\"" + KindName(record.kind) +
           "\",\"bytes\":" + std::to_string(record.bytes) +
           ",\"sha256\":" + TextOrNull(record.sha256) +
           ",\"whole\":" + (record.whole ? "true" : "false") +
           ",\"from\":" + JsonString(record.from) +
           ",\"same_as\":" + TextOrNull(record.sameAs) + "}";
}

std::string JsonRecords(const std::vector<PictureRecord>& records) {
    std::string json;
    for (const PictureRecord& record : records)
        json += (json.empty() ? "[" : ",") + JsonRecord(record);
    return json.empty() ? "[]" : json + "]";
}

std::string DashIfEmpty(const std::string& text) { return text.empty() ? "-" : text; }

// "1 JPEG, 2 PNG": each kind that has a count, and those shown always.
std::string KindsText(const KindCounts& counts, const PictureKinds& shownAlways) {
    std::string text;
    for (size_t kind = 0; kind < kPictureKinds; ++kind) {
        if (counts[kind] == 0 && !shownAlways.test(kind)) continue;
        std::string name = KindName(static_cast<PictureKind>(kind));
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        text += (text.empty() ? "" : ", ") + std::to_string(counts[kind]) + " " + name;
    }
    return text;
}

}  // namespace

std::string PictureCountText(const KindCounts& counts, const KindCounts& cut,
                             const PictureKinds& kinds) {
    PictureKinds usual;
    usual.set(size_t(PictureKind::Jpeg), kinds.test(size_t(PictureKind::Jpeg)));
    usual.set(size_t(PictureKind::Png), kinds.test(size_t(PictureKind::Png)));
    const int total = std::accumulate(counts.begin(), counts.end(), 0);
    const std::string kindsText = KindsText(counts, usual);
    std::string text = std::to_string(total) + (total == 1 ? " picture" : " pictures");
    if (!kindsText.empty()) text += " (" + kindsText + ")";
    const int cutTotal = std::accumulate(cut.begin(), cut.end(), 0);
    if (cutTotal == 0) return text;
    return text + ", " + std::to_string(cutTotal) + " cut (" + KindsText(cut, PictureKinds()) + ")";
}

std::string JsonLine(const DocumentReport& report) {
    return "{\"path\":" + JsonString(report.path) +
           ",\"outputFolder\":" + TextOrNull(report.outputFolder) +
           ",\"pictures\":" + JsonCounts(report.pictures, report.kinds) +
           ",\"cut\":" + JsonCounts(report.cut, report.kinds) +
           ",\"files\":" + JsonRecords(report.files) +
           ",\"bytes\":" + std::to_string(report.bytes) +
           ",\"status\":" + (report.completed ? "\"completed\"" : "\"failed\"") +
           ",\"failure\":" + TextOrNull(report.failure) + "}";
}

std::string TextLine(const DocumentReport& report) {
    std::string line = report.path + ": ";
    if (!report.completed) {
        line += "failed: " + report.failure;
        if (!report.outputFolder.empty())
            line += "; " + PictureCountText(report.pictures, report.cut, report.kinds) + " in " +
                    report.outputFolder;
        return line;
    }
    if (report.outputFolder.empty()) return line + "no picture";
    return line + PictureCountText(report.pictures, report.cut, report.kinds) + " in " +
           report.outputFolder;
}

std::string PictureLines(const DocumentReport& report) {
    std::string lines;
    for (const PictureRecord& record : report.files) {
        lines += "\t" + (record.file.empty() ? "-" : FileName(record.file)) + "\t" +
                 KindName(record.kind) + "\t" + std::to_string(record.bytes) + "\t" +
                 DashIfEmpty(record.sha256) + "\t" + (record.whole ? "whole" : "cut") + "\t" +
                 record.from + "\t" + DashIfEmpty(record.sameAs) + "\n";
    }
    return lines;
}
