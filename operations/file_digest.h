// A file's MD5 or SHA-1 digest as the text the window shows, with the number
// of bytes read. One sequential pass in 1024-byte reads, nothing on the heap.
#pragma once

#include <cstdint>

enum class HashType { md5, sha1 };

// MD5 is 32 digits; SHA-1 is five groups of 8 digits with one blank between.
constexpr std::uint32_t digest_text_size = 44 + 1;
constexpr std::uint32_t read_size = 1024;

enum class DigestStatus { ok, open_failed, read_failed };

struct DigestResult {
    DigestStatus  status;
    char          text[digest_text_size]; // empty unless status is ok
    std::uint64_t byte_count;             // 64 bits: exact for files of 4 GiB and more
};

// Fills buffer with up to capacity bytes; returns the count, 0 at the end,
// or -1 when reading failed.
using ReadFunction = std::int32_t (*)(void* source, std::uint8_t* buffer, std::uint32_t capacity);

DigestResult calculate_file_digest(const char* path, HashType type);
DigestResult digest_stream(ReadFunction read, void* source, HashType type);
void format_digest_text(char text[digest_text_size], const std::uint8_t* digest, HashType type);
