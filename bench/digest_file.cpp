// Prints a file's digest the way the window would get it, for timing against
// other tools on the same file.
//   digest_file md5|sha1 PATH [TIMES]   calculate_file_digest, 1024-byte reads
//   digest_file --engine md5|sha1 PATH  the engine alone, fed 1 MiB reads
// TIMES repeats the calculation: a heap profiler then shows the same number of
// allocations for 1 and for 3, which is how the bench shows the calculation
// allocates nothing.
#include "engines/md5.h"
#include "engines/sha1.h"
#include "operations/file_digest.h"
#include "operations/file_source.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool parse_type(const char* name, HashType* type) {
    if (std::strcmp(name, "md5") == 0) {
        *type = HashType::md5;
        return true;
    }
    if (std::strcmp(name, "sha1") == 0) {
        *type = HashType::sha1;
        return true;
    }
    return false;
}

int run_calculation(const char* path, HashType type, int times) {
    DigestResult result = {};
    for (int i = 0; i < times; ++i) {
        result = calculate_file_digest(path, type);
    }
    if (result.status != DigestStatus::ok) {
        std::fprintf(stderr, "%s: %s\n", path,
                     result.status == DigestStatus::open_failed ? "can not open" : "read failed");
        return 1;
    }
    std::printf("%s  %llu\n", result.text, static_cast<unsigned long long>(result.byte_count));
    return 0;
}

// Big reads keep the read calls out of the figure, leaving the engine's speed.
int run_engine(const char* path, HashType type) {
    FileSource source;
    if (!file_open(&source, path)) {
        std::fprintf(stderr, "%s: can not open\n", path);
        return 1;
    }
    std::vector<std::uint8_t> buffer(1 << 20);
    Md5Context                md5;
    Sha1Context               sha1;
    md5_init(&md5);
    sha1_init(&sha1);
    std::uint64_t byte_count = 0;
    std::int32_t  got;
    while ((got = file_read(&source, buffer.data(), static_cast<std::uint32_t>(buffer.size()))) >
           0) {
        byte_count += static_cast<std::uint32_t>(got);
        if (type == HashType::md5) {
            md5_update(&md5, buffer.data(), static_cast<std::uint32_t>(got));
        } else {
            sha1_update(&sha1, buffer.data(), static_cast<std::uint32_t>(got));
        }
    }
    file_close(&source);
    if (got < 0) {
        std::fprintf(stderr, "%s: read failed\n", path);
        return 1;
    }
    std::uint8_t digest[sha1_digest_size];
    if (type == HashType::md5) {
        md5_final(digest, &md5);
    } else {
        sha1_final(digest, &sha1);
    }
    char text[digest_text_size];
    format_digest_text(text, digest, type);
    std::printf("%s  %llu\n", text, static_cast<unsigned long long>(byte_count));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    HashType type;
    if (argc == 4 && std::strcmp(argv[1], "--engine") == 0 && parse_type(argv[2], &type)) {
        return run_engine(argv[3], type);
    }
    if ((argc == 3 || argc == 4) && parse_type(argv[1], &type)) {
        const int times = argc == 4 ? std::atoi(argv[3]) : 1;
        return run_calculation(argv[2], type, times < 1 ? 1 : times);
    }
    std::fprintf(stderr, "usage: digest_file [--engine] md5|sha1 PATH [TIMES]\n");
    return 2;
}
