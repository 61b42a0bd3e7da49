// The engines against the system's own hashing (BCrypt) on random messages,
// each fed to the engine in random runs.
#include "tests/engine_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <bcrypt.h>

namespace {

std::string bcrypt_hex(const Bytes& message, LPCWSTR algorithm) {
    BCRYPT_ALG_HANDLE  provider = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    UCHAR              digest[32];
    ULONG              size = 0;
    ULONG              got = 0;
    Bytes              copy = message; // BCryptHashData takes a non-const pointer
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&provider, algorithm, nullptr, 0)) ||
        !BCRYPT_SUCCESS(BCryptGetProperty(provider, BCRYPT_HASH_LENGTH,
                                          reinterpret_cast<PUCHAR>(&size), sizeof size, &got, 0)) ||
        !BCRYPT_SUCCESS(BCryptCreateHash(provider, &hash, nullptr, 0, nullptr, 0, 0)) ||
        !BCRYPT_SUCCESS(BCryptHashData(hash, copy.data(), static_cast<ULONG>(copy.size()), 0)) ||
        !BCRYPT_SUCCESS(BCryptFinishHash(hash, digest, size, 0))) {
        size = 0;
    }
    if (hash != nullptr) {
        BCryptDestroyHash(hash);
    }
    if (provider != nullptr) {
        BCryptCloseAlgorithmProvider(provider, 0);
    }
    return size == 0 ? std::string("BCrypt failed") : to_hex(digest, size);
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
        EXPECT_EQ(md5_hex(message, feed), bcrypt_hex(message, BCRYPT_MD5_ALGORITHM)) << length;
        EXPECT_EQ(sha1_hex(message, feed), bcrypt_hex(message, BCRYPT_SHA1_ALGORITHM)) << length;
    }
}
