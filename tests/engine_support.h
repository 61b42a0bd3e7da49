// Feeding a message to an engine in chosen runs, and hex both ways, for the
// engine tests.
#pragma once

#include "engines/md5.h"
#include "engines/sha1.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// How a message reaches the engine: copied to byte `offset` of a fresh buffer
// (SHA-1 may overwrite it; an odd offset puts the engine's loads off word
// alignment), then passed whole when max_run is 0, otherwise in runs of
// 0..max_run bytes drawn from seed. Empty runs are part of the contract, so
// they are drawn too.
struct Feed {
    std::uint32_t offset;
    std::uint32_t max_run;
    std::uint32_t seed;
};

// clang-format off
constexpr Feed feeds[] = {
    {0, 0, 0},     // one run
    {3, 0, 0},     // one run from an odd address
    {0, 1, 1},     // byte by byte
    {1, 70, 2},    // mostly within one block
    {2, 200, 3},   // across blocks
    {5, 1500, 4},  // past the 1024-byte reads of the file calculation
};
// clang-format on

inline std::string to_hex(const std::uint8_t* bytes, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text += "0123456789abcdef"[bytes[i] >> 4];
        text += "0123456789abcdef"[bytes[i] & 15];
    }
    return text;
}

inline Bytes from_hex(const char* text) {
    Bytes bytes;
    for (; text[0] != 0 && text[1] != 0; text += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(text, 2), nullptr, 16)));
    }
    return bytes;
}

inline Bytes repeat(const char* pattern, std::uint32_t count) {
    Bytes bytes;
    for (std::uint32_t i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), pattern, pattern + std::strlen(pattern));
    }
    return bytes;
}

// Byte i is i % 251: a prime period, so no block repeats its neighbour.
inline Bytes counting(std::size_t length) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i % 251);
    }
    return bytes;
}

template <typename Context, typename Data, std::size_t size>
std::string digest_hex(const Bytes& message, Feed feed, void (*init)(Context*),
                       void (*update)(Context*, Data*, std::uint32_t),
                       void (*final)(std::uint8_t*, Context*)) {
    Bytes         copy(feed.offset + message.size() + 1);
    std::uint8_t* data = copy.data() + feed.offset;
    std::copy(message.begin(), message.end(), data);
    std::mt19937 random(feed.seed);
    Context      context;
    init(&context);
    std::size_t done = 0;
    while (done < message.size()) {
        std::size_t run = message.size() - done;
        if (feed.max_run != 0) {
            run = std::min<std::size_t>(run, random() % (feed.max_run + 1));
        }
        update(&context, data + done, static_cast<std::uint32_t>(run));
        done += run;
    }
    std::uint8_t digest[size];
    final(digest, &context);
    return to_hex(digest, size);
}

inline std::string md5_hex(const Bytes& message, Feed feed = feeds[0]) {
    return digest_hex<Md5Context, const std::uint8_t, md5_digest_size>(message, feed, md5_init,
                                                                       md5_update, md5_final);
}

inline std::string sha1_hex(const Bytes& message, Feed feed = feeds[0]) {
    return digest_hex<Sha1Context, std::uint8_t, sha1_digest_size>(message, feed, sha1_init,
                                                                   sha1_update, sha1_final);
}
