#include "engines/sha1.h"
#include "tests/engine_support.h"
#include "tests/vectors/sha1_vectors.h"

#include <gtest/gtest.h>

TEST(Sha1, PublishedVectorsInEveryFeed) {
    for (const Feed& feed : feeds) {
        for (const HexVector& vector : sha1_vectors) {
            const Bytes message = from_hex(vector.message);
            ASSERT_EQ(message.size(), vector.length);
            EXPECT_EQ(sha1_hex(message, feed), vector.digest)
                << vector.length << " bytes, max run " << feed.max_run;
        }
        for (const RepeatedVector& vector : sha1_repeated) {
            EXPECT_EQ(sha1_hex(repeat(vector.pattern, vector.count), feed), vector.digest)
                << vector.pattern << " x " << vector.count << ", max run " << feed.max_run;
        }
    }
}

// Each checkpoint is the last of 1000 digests, each over the previous three.
TEST(Sha1, MonteCarloCheckpoints) {
    Bytes seed = from_hex(sha1_monte_seed);
    for (const char* checkpoint : sha1_monte_checkpoints) {
        std::uint8_t chain[3 * sha1_digest_size];
        for (std::uint32_t i = 0; i < 3; ++i) {
            std::copy(seed.begin(), seed.end(), chain + i * sha1_digest_size);
        }
        for (std::uint32_t i = 0; i < 1000; ++i) {
            std::uint8_t message[sizeof chain];
            std::copy(chain, chain + sizeof chain, message);
            std::copy(chain + sha1_digest_size, chain + sizeof chain, chain);
            Sha1Context context;
            sha1_init(&context);
            sha1_update(&context, message, sizeof message);
            sha1_final(chain + 2 * sha1_digest_size, &context);
        }
        seed.assign(chain + 2 * sha1_digest_size, chain + sizeof chain);
        ASSERT_EQ(to_hex(seed.data(), sha1_digest_size), checkpoint);
    }
}

// Every length through three blocks, so each padding case (marker and length
// in the last block, or spilling into one more) is met at least twice.
TEST(Sha1, EveryLengthAcrossThePaddingBoundaries) {
    for (const Feed& feed : feeds) {
        Sha1Context outer;
        sha1_init(&outer);
        for (std::size_t length = 0; length <= 200; ++length) {
            Bytes digest = from_hex(sha1_hex(counting(length), feed).c_str());
            sha1_update(&outer, digest.data(), sha1_digest_size);
        }
        std::uint8_t digest[sha1_digest_size];
        sha1_final(digest, &outer);
        EXPECT_EQ(to_hex(digest, sha1_digest_size), sha1_boundary_digest) << feed.max_run;
    }
}

// The first block of a run goes through the context's buffer; the following
// whole blocks are compressed where they lie and hold schedule words after.
TEST(Sha1, UpdateCompressesLaterBlocksInTheCallersBuffer) {
    const Bytes message = counting(1024);
    Bytes       data = message;
    Sha1Context context;
    sha1_init(&context);
    sha1_update(&context, data.data(), 1024);
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 64, message.begin()));
    for (std::size_t block = 64; block < 1024; block += 64) {
        EXPECT_FALSE(
            std::equal(data.begin() + block, data.begin() + block + 64, message.begin() + block))
            << "block at " << block;
    }
    std::uint8_t digest[sha1_digest_size];
    sha1_final(digest, &context);
    EXPECT_EQ(to_hex(digest, sha1_digest_size), sha1_hex(message));
}

TEST(Sha1, FinalWipesTheWholeContext) {
    Sha1Context context;
    std::memset(&context, 0xA5, sizeof context); // init leaves the buffer as it was
    sha1_init(&context);
    Bytes data = counting(100);
    sha1_update(&context, data.data(), 100);
    std::uint8_t digest[sha1_digest_size];
    sha1_final(digest, &context);
    const Sha1Context zero = {};
    EXPECT_EQ(std::memcmp(&context, &zero, sizeof context), 0);
}

// Files past 512 MiB carry out of the low count word; the digest of such a
// file is checked end to end with the file calculation.
TEST(Sha1, BitCountCarriesIntoTheHighWord) {
    Sha1Context context;
    sha1_init(&context);
    context.count[0] = 0xFFFFFFF8u; // one byte waiting
    std::uint8_t data[9] = {};
    sha1_update(&context, data, 9);
    EXPECT_EQ(context.count[0], 64u);
    EXPECT_EQ(context.count[1], 1u);
}

// b, c and d hold every combination of bits, so each value is the round
// function's whole truth table; the rounds on both sides of each change.
TEST(Sha1, RoundValueAtTheRoundBoundaries) {
    const std::uint32_t b = 0xFF00FF00u, c = 0xF0F0F0F0u, d = 0xCCCCCCCCu;
    const std::uint32_t choose = 0xF0CCF0CCu, parity = 0xC33CC33Cu, majority = 0xFCC0FCC0u;
    const struct {
        std::uint32_t t, value;
    } cases[] = {
        {0, choose + 0x5A827999u},  {19, choose + 0x5A827999u},   {20, parity + 0x6ED9EBA1u},
        {39, parity + 0x6ED9EBA1u}, {40, majority + 0x8F1BBCDCu}, {59, majority + 0x8F1BBCDCu},
        {60, parity + 0xCA62C1D6u}, {79, parity + 0xCA62C1D6u},
    };
    for (const auto& round : cases) {
        EXPECT_EQ(sha1_round_value(round.t, b, c, d), round.value) << "t = " << round.t;
    }
}
