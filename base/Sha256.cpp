// Sha256.cpp
#include "base/Sha256.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#include <wincrypt.h>
// The headers give these only to builds for XP SP3 and later, which is
// where the provider knows them; earlier systems fail at CryptCreateHash.
#ifndef ALG_SID_SHA_256
#define ALG_SID_SHA_256 12
#endif
#ifndef CALG_SHA_256
#define CALG_SHA_256 (ALG_CLASS_HASH | ALG_TYPE_ANY | ALG_SID_SHA_256)
#endif
#ifndef PROV_RSA_AES
#define PROV_RSA_AES 24
#endif
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

// One provider for the process: acquiring it is the slow part. The
// CryptoAPI's, which every Windows from XP SP3 on has in advapi32, so that
// no program of ours needs a DLL that older systems lack.
HCRYPTPROV Provider() {
    static HCRYPTPROV provider = [] {
        HCRYPTPROV acquired = 0;
        if (!CryptAcquireContextW(&acquired, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT))
            throw std::runtime_error("no SHA-256 provider");
        return acquired;
    }();
    return provider;
}

}  // namespace

struct Sha256::State {
    HCRYPTHASH hash = 0;
};

Sha256::Sha256() : m_state(std::make_unique<State>()) {
    if (!CryptCreateHash(Provider(), CALG_SHA_256, 0, 0, &m_state->hash))
        throw std::runtime_error("cannot begin a SHA-256 digest");
}

Sha256::~Sha256() { CryptDestroyHash(m_state->hash); }

void Sha256::Update(const uint8_t* bytes, size_t size) {
    // A call takes at most 4 GiB; a 32-bit size_t never holds more.
    CryptHashData(m_state->hash, bytes, static_cast<DWORD>(size), 0);
}

std::string Sha256::HexDigest() {
    uint8_t digest[kDigestSize];
    DWORD length = kDigestSize;
    CryptGetHashParam(m_state->hash, HP_HASHVAL, digest, &length, 0);
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
