// The engines against the system's own hashing (BCrypt) on random messages,
// each fed to the engine in random runs.
#include "tests/engine_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <bcrypt.h>

namespace {

std::string bcrypt_hex(const Bytes& message, LPCWSTR algorithm, ULONG size) {
    BCRYPT_ALG_HANDLE provider = nullptr;
    UCHAR             digest[sha1_digest_size];
    Bytes             copy = message; // BCryptHash takes a non-const pointer
    const bool        done =
        BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&provider, algorithm, nullptr, 0)) &&
        BCRYPT_SUCCESS(BCryptHash(provider, nullptr, 0, copy.data(),
                                  static_cast<ULONG>(copy.size()), digest, size));
    if (provider != nullptr) {
        BCryptCloseAlgorithmProvider(provider, 0);
    }
    return done ? to_hex(digest, size) : std::string("BCrypt failed");
}

} // namespace

TEST(PlatformHash, RandomMessagesWithRandomRuns) {
    std::mt19937 random(7);
    Bytes        message;
    for (std::uint32_t length = 0; length <= 3100; length += 1 + length % 13) {
        while (message.size() < length) {
            message.push_back(static_cast<std::uint8_t>(random()));
        }
        const Feed feed = {length % 8, 1 + static_cast<std::uint32_t>(random() % 1200), length};
        EXPECT_EQ(md5_hex(message, feed),
                  bcrypt_hex(message, BCRYPT_MD5_ALGORITHM, md5_digest_size))
            << length;
        EXPECT_EQ(sha1_hex(message, feed),
                  bcrypt_hex(message, BCRYPT_SHA1_ALGORITHM, sha1_digest_size))
            << length;
    }
}
