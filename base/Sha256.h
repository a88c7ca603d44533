// Sha256.h: the SHA-256 digest of bytes given in pieces, from the system's
// own library: libgcrypt on Linux, the CryptoAPI on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Update(const uint8_t* bytes, size_t size);
    // The digest of everything given, as 64 lowercase hexadecimal digits;
    // the object is then spent.
    std::string HexDigest();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
