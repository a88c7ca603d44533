// BenchDocument.h: a large document of synthetic pictures in random filler.
#pragma once

#include <cstdint>
#include <string>

struct BenchDocumentSummary {
    uint64_t documentBytes = 0;
    uint64_t pictureBytes = 0;
    int jpegCount = 0;
    int pngCount = 0;
};

// Writes about targetBytes of random filler with pictures of many sizes (from
// a few hundred bytes to two megabytes) at arbitrary offsets. The pictures are
// structurally complete: JPEGs with APP1 thumbnails, restart markers, stuffed
// bytes and progressive scans; PNGs with text chunks holding "IEND". Throws
// when the file cannot be written.
BenchDocumentSummary WriteBenchDocument(const std::string& path, uint64_t targetBytes, uint64_t seed);
