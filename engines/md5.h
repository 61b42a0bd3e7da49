// MD5 (RFC 1321) over a context the caller owns: init, any number of
// updates, one final. No I/O, no allocation; the caller's data is only read.
#pragma once

#include <cstdint>

constexpr std::uint32_t md5_digest_size = 16;

struct Md5Context {
    std::uint32_t state[4];   // A, B, C, D
    std::uint32_t count[2];   // bits absorbed: low word, then high word
    std::uint8_t  buffer[64]; // (count[0] / 8) % 64 bytes are waiting
};

// clang-format off
void md5_init     (Md5Context* context);
void md5_update   (Md5Context* context, const std::uint8_t* data, std::uint32_t length);
void md5_final    (std::uint8_t digest[md5_digest_size], Md5Context* context);
void md5_transform(std::uint32_t state[4], const std::uint8_t block[64]);
// clang-format on
