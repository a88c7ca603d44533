// ZipPackage.h: the entries of a ZIP archive, the package format of newer
// office documents (.docx, .xlsx, .pptx, .odt, .ods, .odp).
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <functional>
#include <memory>
#include <string>

class InflateSource;
class InflationBudget;

struct ZipEntry {
    std::shared_ptr<ByteSource> data;        // the entry's bytes as the package holds them
    std::shared_ptr<InflateSource> inflated;  // the same, when they are deflated; else null
    uint64_t compressedStart = 0;             // the entry's data in the archive
    uint64_t compressedSize = ByteSource::kUnknownSize;
    std::string name;  // as its local header names it ("word/media/image1.png")
};

class ZipPackage {
public:
    // Called for each entry; when it returns, the entry's data has been read
    // as far as the caller needed.
    using EntryVisitor = std::function<void(const ZipEntry& entry)>;

    // A local header's signature, at the start of every archive.
    static constexpr uint8_t kSignature[] = {'P', 'K', 3, 4};

    static bool StartsWithSignature(ByteSource& source);

    // Visits the entries the central directory lists, in the order of their
    // data; when that directory is missing or damaged, walks the local
    // headers from the start instead. Entries whose data overlaps data
    // already visited are not visited again. Deflated entries inflate within
    // the budget.
    static void ForEachEntry(const std::shared_ptr<ByteSource>& archive,
                             const std::shared_ptr<InflationBudget>& budget,
                             const EntryVisitor& visit);
};
