// Sha256Test.cpp: the digests of the standard's own examples, given whole
// and in pieces, from whichever library the build uses.
#include "base/Sha256.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string DigestOf(const std::vector<std::string>& pieces) {
    Sha256 digest;
    for (const std::string& piece : pieces)
        digest.Update(reinterpret_cast<const uint8_t*>(piece.data()), piece.size());
    return digest.HexDigest();
}

TEST(Sha256, GivesTheStandardsDigestsWholeAndInPieces) {
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {{"abc"}, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {{"a", "", "bc"}, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {{twoBlocks.substr(0, 50), twoBlocks.substr(50)},
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"}};
    for (const auto& [pieces, digest] : cases) EXPECT_EQ(DigestOf(pieces), digest);
}

}  // namespace
