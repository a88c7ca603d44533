// ZipPackage.h: the entries of a ZIP archive, the package format of newer
// office documents (.docx, .xlsx, .pptx, .odt, .ods, .odp).
#pragma once

#include "recovery/ByteSource.h"

#include <functional>
#include <memory>

class InflateSource;

struct ZipEntry {
    std::shared_ptr<ByteSource> data;  // stored bytes, or inflated as they are read
    uint64_t compressedStart = 0;      // the entry's data in the archive
    uint64_t compressedSize = ByteSource::kUnknownSize;
    bool deflated = false;
};

class ZipPackage {
public:
    // Called for each entry; when it returns, the entry's data has been read
    // as far as the caller needed.
    using EntryVisitor = std::function<void(const ZipEntry& entry)>;

    // A local header's signature, at the start of every archive.
    static constexpr uint8_t kSignature[] = {'P', 'K', 3, 4};

    static bool StartsWithSignature(ByteSource& source);

    // Visits the entries the central directory lists; when that directory is
    // missing or damaged, walks the local headers from the start instead.
    static void ForEachEntry(const std::shared_ptr<ByteSource>& archive, const EntryVisitor& visit);

private:
    static bool ReadCentralDirectory(const std::shared_ptr<ByteSource>& archive,
                                     const EntryVisitor& visit);
    static void WalkLocalHeaders(const std::shared_ptr<ByteSource>& archive,
                                 const EntryVisitor& visit);
};
