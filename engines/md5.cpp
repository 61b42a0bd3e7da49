#include "engines/md5.h"

#include <cstring>

#include "engines/wipe.h"

namespace {

inline std::uint32_t load_le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline void store_le32(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
    p[3] = std::uint8_t(v >> 24);
}

inline std::uint32_t rotl(std::uint32_t x, int n) {
    return x << n | x >> (32 - n);
}

// x is always the previous step's result, so what matters is how many
// operations wait for it. F: one fewer than the textbook (x & y) | (~x & z).
inline std::uint32_t f(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return z ^ (x & (y ^ z));
}
// G: the textbook (x & z) | (y & ~z), whose halves never share a set bit, so
// they may be added instead; y & ~z is then ready early and only x & z waits.
// Two operations fewer than y ^ (z & (x ^ y)): a tenth faster overall.
inline std::uint32_t g(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return (x & z) + (y & ~z);
}
inline std::uint32_t h(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return x ^ y ^ z;
}
inline std::uint32_t i(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return y ^ (x | ~z);
}

template <std::uint32_t (*Function)(std::uint32_t, std::uint32_t, std::uint32_t)>
inline void step(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                 std::uint32_t word, std::uint32_t constant, int shift) {
    a = b + rotl(a + Function(b, c, d) + word + constant, shift);
}

} // namespace

void md5_init(Md5Context* context) {
    context->state[0] = 0x67452301;
    context->state[1] = 0xefcdab89;
    context->state[2] = 0x98badcfe;
    context->state[3] = 0x10325476;
    context->count[0] = 0;
    context->count[1] = 0;
}

void md5_update(Md5Context* context, const std::uint8_t* data, std::uint32_t length) {
    if (length == 0)
        return; // data may then be null, which memcpy must never see
    std::uint32_t t = context->count[0];
    context->count[0] = t + (length << 3);
    if (context->count[0] < t)
        context->count[1]++;
    context->count[1] += length >> 29;

    t = (t >> 3) & 0x3f;
    if (t != 0) {
        const std::uint32_t room = 64 - t;
        if (length < room) {
            std::memcpy(context->buffer + t, data, length);
            return;
        }
        std::memcpy(context->buffer + t, data, room);
        md5_transform(context->state, context->buffer);
        data += room;
        length -= room;
    }
    // Every block goes through the context buffer: the caller's data is
    // only ever read.
    while (length >= 64) {
        std::memcpy(context->buffer, data, 64);
        md5_transform(context->state, context->buffer);
        data += 64;
        length -= 64;
    }
    std::memcpy(context->buffer, data, length);
}

void md5_final(std::uint8_t digest[md5_digest_size], Md5Context* context) {
    const std::uint32_t t = (context->count[0] >> 3) & 0x3f;
    std::uint8_t*       p = context->buffer + t;
    *p++ = 0x80;
    const std::uint32_t rest = 63 - t;
    if (rest < 8) {
        std::memset(p, 0, rest);
        md5_transform(context->state, context->buffer);
        std::memset(context->buffer, 0, 56);
    } else {
        std::memset(p, 0, rest - 8);
    }
    store_le32(context->buffer + 56, context->count[0]);
    store_le32(context->buffer + 60, context->count[1]);
    md5_transform(context->state, context->buffer);

    for (int k = 0; k < 4; k++)
        store_le32(digest + 4 * k, context->state[k]);
    wipe(context, sizeof *context);
}

void md5_transform(std::uint32_t state[4], const std::uint8_t block[64]) {
    std::uint32_t x[16];
    for (int k = 0; k < 16; k++)
        x[k] = load_le32(block + 4 * k);

    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];

    step<f>(a, b, c, d, x[0], 0xd76aa478, 7);
    step<f>(d, a, b, c, x[1], 0xe8c7b756, 12);
    step<f>(c, d, a, b, x[2], 0x242070db, 17);
    step<f>(b, c, d, a, x[3], 0xc1bdceee, 22);
    step<f>(a, b, c, d, x[4], 0xf57c0faf, 7);
    step<f>(d, a, b, c, x[5], 0x4787c62a, 12);
    step<f>(c, d, a, b, x[6], 0xa8304613, 17);
    step<f>(b, c, d, a, x[7], 0xfd469501, 22);
    step<f>(a, b, c, d, x[8], 0x698098d8, 7);
    step<f>(d, a, b, c, x[9], 0x8b44f7af, 12);
    step<f>(c, d, a, b, x[10], 0xffff5bb1, 17);
    step<f>(b, c, d, a, x[11], 0x895cd7be, 22);
    step<f>(a, b, c, d, x[12], 0x6b901122, 7);
    step<f>(d, a, b, c, x[13], 0xfd987193, 12);
    step<f>(c, d, a, b, x[14], 0xa679438e, 17);
    step<f>(b, c, d, a, x[15], 0x49b40821, 22);

    step<g>(a, b, c, d, x[1], 0xf61e2562, 5);
    step<g>(d, a, b, c, x[6], 0xc040b340, 9);
    step<g>(c, d, a, b, x[11], 0x265e5a51, 14);
    step<g>(b, c, d, a, x[0], 0xe9b6c7aa, 20);
    step<g>(a, b, c, d, x[5], 0xd62f105d, 5);
    step<g>(d, a, b, c, x[10], 0x02441453, 9);
    step<g>(c, d, a, b, x[15], 0xd8a1e681, 14);
    step<g>(b, c, d, a, x[4], 0xe7d3fbc8, 20);
    step<g>(a, b, c, d, x[9], 0x21e1cde6, 5);
    step<g>(d, a, b, c, x[14], 0xc33707d6, 9);
    step<g>(c, d, a, b, x[3], 0xf4d50d87, 14);
    step<g>(b, c, d, a, x[8], 0x455a14ed, 20);
    step<g>(a, b, c, d, x[13], 0xa9e3e905, 5);
    step<g>(d, a, b, c, x[2], 0xfcefa3f8, 9);
    step<g>(c, d, a, b, x[7], 0x676f02d9, 14);
    step<g>(b, c, d, a, x[12], 0x8d2a4c8a, 20);

    step<h>(a, b, c, d, x[5], 0xfffa3942, 4);
    step<h>(d, a, b, c, x[8], 0x8771f681, 11);
    step<h>(c, d, a, b, x[11], 0x6d9d6122, 16);
    step<h>(b, c, d, a, x[14], 0xfde5380c, 23);
    step<h>(a, b, c, d, x[1], 0xa4beea44, 4);
    step<h>(d, a, b, c, x[4], 0x4bdecfa9, 11);
    step<h>(c, d, a, b, x[7], 0xf6bb4b60, 16);
    step<h>(b, c, d, a, x[10], 0xbebfbc70, 23);
    step<h>(a, b, c, d, x[13], 0x289b7ec6, 4);
    step<h>(d, a, b, c, x[0], 0xeaa127fa, 11);
    step<h>(c, d, a, b, x[3], 0xd4ef3085, 16);
    step<h>(b, c, d, a, x[6], 0x04881d05, 23);
    step<h>(a, b, c, d, x[9], 0xd9d4d039, 4);
    step<h>(d, a, b, c, x[12], 0xe6db99e5, 11);
    step<h>(c, d, a, b, x[15], 0x1fa27cf8, 16);
    step<h>(b, c, d, a, x[2], 0xc4ac5665, 23);

    step<i>(a, b, c, d, x[0], 0xf4292244, 6);
    step<i>(d, a, b, c, x[7], 0x432aff97, 10);
    step<i>(c, d, a, b, x[14], 0xab9423a7, 15);
    step<i>(b, c, d, a, x[5], 0xfc93a039, 21);
    step<i>(a, b, c, d, x[12], 0x655b59c3, 6);
    step<i>(d, a, b, c, x[3], 0x8f0ccc92, 10);
    step<i>(c, d, a, b, x[10], 0xffeff47d, 15);
    step<i>(b, c, d, a, x[1], 0x85845dd1, 21);
    step<i>(a, b, c, d, x[8], 0x6fa87e4f, 6);
    step<i>(d, a, b, c, x[15], 0xfe2ce6e0, 10);
    step<i>(c, d, a, b, x[6], 0xa3014314, 15);
    step<i>(b, c, d, a, x[13], 0x4e0811a1, 21);
    step<i>(a, b, c, d, x[4], 0xf7537e82, 6);
    step<i>(d, a, b, c, x[11], 0xbd3af235, 10);
    step<i>(c, d, a, b, x[2], 0x2ad7d2bb, 15);
    step<i>(b, c, d, a, x[9], 0xeb86d391, 21);

    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}
