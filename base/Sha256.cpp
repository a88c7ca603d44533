// Sha256.cpp
#include "base/Sha256.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#include <bcrypt.h>
#else
#include <gcrypt.h>
#endif

namespace {

constexpr size_t kDigestSize = 32;

std::string Hex(const uint8_t* digest) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < kDigestSize; ++i) {
        text += kDigits[digest[i] >> 4];
        text += kDigits[digest[i] & 0x0F];
    }
    return text;
}

}  // namespace

#ifdef _WIN32

namespace {

// One provider for the process: opening it is the slow part, and a handle
// may serve many threads' hashes at once.
BCRYPT_ALG_HANDLE Provider() {
    static BCRYPT_ALG_HANDLE provider = [] {
        BCRYPT_ALG_HANDLE opened = nullptr;
        if (BCryptOpenAlgorithmProvider(&opened, BCRYPT_SHA256_ALGORITHM, nullptr, 0) < 0)
            throw std::runtime_error("no SHA-256 provider");
        return opened;
    }();
    return provider;
}

}  // namespace

struct Sha256::State {
    BCRYPT_HASH_HANDLE hash = nullptr;
};

Sha256::Sha256() : m_state(std::make_unique<State>()) {
    if (BCryptCreateHash(Provider(), &m_state->hash, nullptr, 0, nullptr, 0, 0) < 0)
        throw std::runtime_error("cannot begin a SHA-256 digest");
}

Sha256::~Sha256() { BCryptDestroyHash(m_state->hash); }

void Sha256::Update(const uint8_t* bytes, size_t size) {
    // CNG takes at most 4 GiB a call; a 32-bit size_t never holds more.
    BCryptHashData(m_state->hash, const_cast<PUCHAR>(bytes), static_cast<ULONG>(size), 0);
}

std::string Sha256::HexDigest() {
    uint8_t digest[kDigestSize];
    BCryptFinishHash(m_state->hash, digest, kDigestSize, 0);
    return Hex(digest);
}

#else

namespace {

// libgcrypt wants its version checked once before any other call.
void InitialiseOnce() {
    static const bool ready = [] {
        gcry_check_version(nullptr);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        return true;
    }();
    (void)ready;
}

}  // namespace

struct Sha256::State {
    gcry_md_hd_t hash = nullptr;
};

Sha256::Sha256() : m_state(std::make_unique<State>()) {
    InitialiseOnce();
    if (gcry_md_open(&m_state->hash, GCRY_MD_SHA256, 0) != 0)
        throw std::runtime_error("cannot begin a SHA-256 digest");
}

Sha256::~Sha256() { gcry_md_close(m_state->hash); }

void Sha256::Update(const uint8_t* bytes, size_t size) {
    gcry_md_write(m_state->hash, bytes, size);
}

std::string Sha256::HexDigest() { return Hex(gcry_md_read(m_state->hash, GCRY_MD_SHA256)); }

#endif
