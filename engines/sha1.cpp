#include "engines/sha1.h"

#include <cstring>

#include "engines/wipe.h"

namespace {

inline std::uint32_t rotl(std::uint32_t x, int n) {
    return x << n | x >> (32 - n);
}

// The block may lie anywhere in the caller's memory, so its slots are
// reached by memcpy, which compiles to plain loads and stores.
inline std::uint32_t load_slot(const std::uint8_t* block, std::uint32_t slot) {
    std::uint32_t word;
    std::memcpy(&word, block + 4 * slot, 4);
    return word;
}

inline void store_slot(std::uint8_t* block, std::uint32_t slot, std::uint32_t word) {
    std::memcpy(block + 4 * slot, &word, 4);
}

inline std::uint32_t load_be32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 |
           std::uint32_t(p[3]);
}

inline void store_be32(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v >> 24);
    p[1] = std::uint8_t(v >> 16);
    p[2] = std::uint8_t(v >> 8);
    p[3] = std::uint8_t(v);
}

// The transform calls this copy: an inline one, which even -O2 folds into
// each unrolled round once t is a constant. Calling the public function
// instead costs half the speed wherever the compiler declines to inline it.
inline std::uint32_t round_value(std::uint32_t t, std::uint32_t b, std::uint32_t c,
                                 std::uint32_t d) {
    if (t < 20)
        return (((c ^ d) & b) ^ d) + 0x5A827999;
    if (t < 40)
        return (b ^ c ^ d) + 0x6ED9EBA1;
    if (t < 60)
        return ((b & c) | ((b | c) & d)) + 0x8F1BBCDC;
    return (b ^ c ^ d) + 0xCA62C1D6;
}

} // namespace

void sha1_init(Sha1Context* context) {
    context->state[0] = 0x67452301;
    context->state[1] = 0xEFCDAB89;
    context->state[2] = 0x98BADCFE;
    context->state[3] = 0x10325476;
    context->state[4] = 0xC3D2E1F0;
    context->count[0] = 0;
    context->count[1] = 0;
}

void sha1_update(Sha1Context* context, std::uint8_t* data, std::uint32_t length) {
    if (length == 0)
        return; // data may then be null, which memcpy must never see
    std::uint32_t       j = (context->count[0] >> 3) & 63;
    const std::uint32_t bits = length << 3;
    context->count[0] += bits;
    if (context->count[0] < bits)
        context->count[1]++;
    context->count[1] += length >> 29;

    // Written as differences from length, never sums, so that a run close
    // to 4 GiB cannot wrap the arithmetic.
    std::uint32_t i = 0;
    if (length > 63 - j) {
        i = 64 - j;
        std::memcpy(context->buffer + j, data, i);
        sha1_transform(context->state, context->buffer);
        for (; length - i > 63; i += 64)
            sha1_transform(context->state, data + i);
        j = 0;
    }
    std::memcpy(context->buffer + j, data + i, length - i);
}

void sha1_final(std::uint8_t digest[sha1_digest_size], Sha1Context* context) {
    std::uint8_t length_block[8];
    store_be32(length_block, context->count[1]);
    store_be32(length_block + 4, context->count[0]);

    // Runs of one byte are only ever copied, never compressed in place, so
    // these are not written; they are locals only because sha1_update takes
    // writable data.
    std::uint8_t marker = 0x80;
    std::uint8_t zero = 0x00;
    sha1_update(context, &marker, 1);
    while ((context->count[0] & 0x1F8) != 0x1C0)
        sha1_update(context, &zero, 1);
    sha1_update(context, length_block, 8);

    for (std::uint32_t i = 0; i < sha1_digest_size; i++)
        digest[i] = std::uint8_t(context->state[i >> 2] >> ((3 - (i & 3)) * 8));

    wipe(context, sizeof *context);
    wipe(length_block, sizeof length_block);
}

void sha1_transform(std::uint32_t state[5], std::uint8_t block[64]) {
    std::uint32_t w[5] = {state[0], state[1], state[2], state[3], state[4]};
    std::uint32_t k = 0; // w[k] plays a; the roles move down one word a round

    // Fully unrolled, every index below is a constant and the five words
    // live in registers.
#pragma GCC unroll 80
    for (std::uint32_t t = 0; t < 80; t++) {
        std::uint32_t x;
        if (t < 16) {
            x = load_be32(block + 4 * t);
        } else {
            x = rotl(load_slot(block, (t - 3) & 15) ^ load_slot(block, (t - 8) & 15) ^
                         load_slot(block, (t - 14) & 15) ^ load_slot(block, t & 15),
                     1);
        }
        store_slot(block, t & 15, x);

        const std::uint32_t a = w[k];
        const std::uint32_t b = w[(k + 1) % 5];
        const std::uint32_t c = w[(k + 2) % 5];
        const std::uint32_t d = w[(k + 3) % 5];
        w[(k + 4) % 5] += rotl(a, 5) + round_value(t, b, c, d) + x;
        w[(k + 1) % 5] = rotl(b, 30);
        k = (k + 4) % 5;
    }

    // The working words are not zeroed: they live in registers, where a plain
    // store is dropped as dead, and a volatile one would halve the speed.
    for (int n = 0; n < 5; n++)
        state[n] += w[n];
}

std::uint32_t sha1_round_value(std::uint32_t t, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return round_value(t, b, c, d);
}
