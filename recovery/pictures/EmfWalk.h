// EmfWalk.h: finding where an EMF picture ends.
#pragma once

#include <cstddef>
#include <cstdint>

class BrokenWalks;
class DocumentReader;

// Where the header's signature, " EMF", lies from the picture's first byte:
// a search finds the signature, then looks back this far for the start.
constexpr size_t kEmfSignatureOffset = 40;
constexpr size_t kEmfHeaderSize = 88;

// Whether the bytes (kEmfHeaderSize of them) are an EMF header record whose
// sizes agree: its own, the picture's and the count of its records.
bool EmfHeaderHolds(const uint8_t* header);

// Walks the picture record by record from the header record at the reader's
// cursor, so that the bytes inside records, such as a bitmap's, do not end
// it. True when the records fill exactly the size the header gives, as many
// as it counts, the last one the end-of-file record: the cursor is then past
// it. Otherwise the structure broke where the cursor stands. With broken, a
// walk that reaches a record of an earlier walk broken by a record's own
// fields breaks at once, and such a walk is remembered.
bool WalkEmfPicture(DocumentReader& reader, BrokenWalks* broken = nullptr);

