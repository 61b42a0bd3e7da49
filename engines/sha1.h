// SHA-1 (FIPS 180-1, RFC 3174) over a context the caller owns: init, any
// number of updates, one final. No I/O, no allocation.
// Compression works in place: every whole block that sha1_update compresses
// straight from the caller's data is overwritten, hence the non-const data.
// sha1_final wipes the context.
#pragma once

#include <cstdint>

constexpr std::uint32_t sha1_digest_size = 20;

struct Sha1Context {
    std::uint32_t state[5];   // H0 to H4
    std::uint32_t count[2];   // bits absorbed: low word, then high word
    std::uint8_t  buffer[64]; // (count[0] / 8) % 64 bytes are waiting
};

// clang-format off
void          sha1_init       (Sha1Context* context);
void          sha1_update     (Sha1Context* context, std::uint8_t* data, std::uint32_t length);
void          sha1_final      (std::uint8_t digest[sha1_digest_size], Sha1Context* context);
void          sha1_transform  (std::uint32_t state[5], std::uint8_t block[64]);
std::uint32_t sha1_round_value(std::uint32_t t, std::uint32_t b, std::uint32_t c, std::uint32_t d);
// clang-format on
