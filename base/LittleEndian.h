// LittleEndian.h: numbers stored least significant byte first, as office
// files and the settings file keep them.
#pragma once

#include <cstdint>

inline uint16_t Little16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline uint32_t Little32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | (uint32_t{bytes[1]} << 8) | (uint32_t{bytes[2]} << 16) |
           (uint32_t{bytes[3]} << 24);
}

inline uint64_t Little64(const uint8_t* bytes) {
    return uint64_t{Little32(bytes)} | (uint64_t{Little32(bytes + 4)} << 32);
}
