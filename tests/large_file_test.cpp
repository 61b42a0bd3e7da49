#include "operations/file_digest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// 4 GiB + 10 zero bytes, sparse: a byte count or bit count kept in 32 bits
// wraps here, while the digest would still look plausible. The digests are
// from `openssl dgst` on the same file.
TEST(LargeFile, CountAndDigestPast4GiB) {
    constexpr std::uint64_t size = 4294967306;
    const fs::path          path = fs::temp_directory_path() / "tamsivel-large-file";
    std::fclose(std::fopen(path.string().c_str(), "wb"));
    fs::resize_file(path, size);

    const DigestResult md5 = calculate_file_digest(path.string().c_str(), HashType::md5);
    const DigestResult sha1 = calculate_file_digest(path.string().c_str(), HashType::sha1);
    fs::remove(path);

    EXPECT_EQ(md5.status, DigestStatus::ok);
    EXPECT_EQ(md5.byte_count, size);
    EXPECT_STREQ(md5.text, "e68d57132d090de31c1a87a5b9573b01");
    EXPECT_EQ(sha1.status, DigestStatus::ok);
    EXPECT_EQ(sha1.byte_count, size);
    EXPECT_STREQ(sha1.text, "3d658e2d 4f58739c c75388ef 3b632d82 0dcc4a4f");
}

} // namespace
