#include "engines/md5.h"
#include "tests/engine_support.h"
#include "tests/vectors/md5_vectors.h"

#include <gtest/gtest.h>

TEST(Md5, PublishedVectorsInEveryFeed) {
    for (const Feed& feed : feeds) {
        for (const HexVector& vector : md5_vectors) {
            const Bytes message = from_hex(vector.message);
            ASSERT_EQ(message.size(), vector.length);
            EXPECT_EQ(md5_hex(message, feed), vector.digest)
                << vector.length << " bytes, max run " << feed.max_run;
        }
        for (const RepeatedVector& vector : md5_repeated) {
            EXPECT_EQ(md5_hex(repeat(vector.pattern, vector.count), feed), vector.digest)
                << vector.pattern << " x " << vector.count << ", max run " << feed.max_run;
        }
    }
}

// Every length through three blocks, so each padding case (marker and length
// in the last block, or spilling into one more) is met at least twice.
TEST(Md5, EveryLengthAcrossThePaddingBoundaries) {
    for (const Feed& feed : feeds) {
        Md5Context outer;
        md5_init(&outer);
        for (std::size_t length = 0; length <= 200; ++length) {
            const Bytes digest = from_hex(md5_hex(counting(length), feed).c_str());
            md5_update(&outer, digest.data(), md5_digest_size);
        }
        std::uint8_t digest[md5_digest_size];
        md5_final(digest, &outer);
        EXPECT_EQ(to_hex(digest, md5_digest_size), md5_boundary_digest) << feed.max_run;
    }
}

TEST(Md5, LeavesTheCallersDataUntouched) {
    const Bytes message = counting(1000);
    Bytes       data = message;
    Md5Context  context;
    md5_init(&context);
    md5_update(&context, data.data(), 10);
    md5_update(&context, data.data() + 10, 990);
    EXPECT_EQ(data, message);
}

// Files past 512 MiB carry out of the low count word; the digest of such a
// file is checked end to end with the file calculation.
TEST(Md5, BitCountCarriesIntoTheHighWord) {
    Md5Context context;
    md5_init(&context);
    context.count[0] = 0xFFFFFFF8u; // one byte waiting
    const std::uint8_t data[9] = {};
    md5_update(&context, data, 9);
    EXPECT_EQ(context.count[0], 64u);
    EXPECT_EQ(context.count[1], 1u);
}
