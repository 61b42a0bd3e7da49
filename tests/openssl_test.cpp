// The engines against libcrypto on random messages of every length up to
// three read buffers, each fed in its own random runs.
#include "tests/engine_support.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

namespace {

std::string openssl_hex(const Bytes& message, const EVP_MD* type) {
    std::uint8_t digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EXPECT_EQ(EVP_Digest(message.data(), message.size(), digest, &size, type, nullptr), 1);
    return to_hex(digest, size);
}

} // namespace

TEST(OpenSsl, EveryLengthWithRandomRuns) {
    std::mt19937 random(2024);
    Bytes        message;
    for (std::uint32_t length = 0; length <= 3100; ++length) {
        const Feed feed = {length % 8, 1 + static_cast<std::uint32_t>(random() % 1200), length};
        EXPECT_EQ(md5_hex(message, feed), openssl_hex(message, EVP_md5())) << length;
        EXPECT_EQ(sha1_hex(message, feed), openssl_hex(message, EVP_sha1())) << length;
        message.push_back(static_cast<std::uint8_t>(random()));
    }
}
