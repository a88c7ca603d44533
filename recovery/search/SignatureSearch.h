// SignatureSearch.h: where a start signature may begin.
#pragma once

#include <cstdint>

// The first position p in [from, limit) with p + 1 < limit where the search
// pair of a kind in PictureKindTable.h starts: FF D8 (JPEG), 89 50 (PNG),
// "GI" (GIF), "BM" (BMP) or "EM" (the middle of EMF's " EMF"), or nullptr.
// Only the bytes in [from, limit) are read. The pairs are rare in any data,
// so the caller verifies the whole signature at the few positions this
// returns.
const uint8_t* FindSignaturePrefix(const uint8_t* from, const uint8_t* limit);

// The same search without vector instructions, for the processors the
// vectorised one is not built for.
const uint8_t* FindSignaturePrefixPortable(const uint8_t* from, const uint8_t* limit);
