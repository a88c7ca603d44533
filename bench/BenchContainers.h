// BenchContainers.h: large office-like documents for the benchmark, holding
// the same kind of content as the plain one.
#pragma once

#include "bench/BenchDocument.h"

#include <cstdint>
#include <string>

// A ZIP package like a .docx: the filler in deflated text entries, each
// picture deflated in an entry of its own.
BenchDocumentSummary WriteBenchPackage(const std::string& path, uint64_t targetBytes,
                                       uint64_t seed);

// A compound file like a large .doc: the content in one stream whose sectors
// are interrupted by an allocation table sector every 128 sectors, as real
// writers lay them out, with DIFAT sectors once the table outgrows the header.
BenchDocumentSummary WriteBenchCompoundFile(const std::string& path, uint64_t targetBytes,
                                            uint64_t seed);
