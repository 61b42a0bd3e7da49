#include "operations/file_digest.h"
#include "tests/engine_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed with everything in it afterwards.
struct ScratchFolder {
    fs::path path;
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() / (std::string("tamsivel-") + test->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~ScratchFolder() { fs::remove_all(path); }
};

std::string write_file(const fs::path& path, const Bytes& content) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (!content.empty())
        std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
    return path.string();
}

// Lengths around the 1024-byte reads; content i % 251. Digests from OpenSSL.
struct Golden {
    std::uint32_t length;
    const char*   md5;
    const char*   sha1;
};

constexpr Golden goldens[] = {
    {0, "d41d8cd98f00b204e9800998ecf8427e", "da39a3ee 5e6b4b0d 3255bfef 95601890 afd80709"},
    {1, "93b885adfe0da089cdf634904fd59f71", "5ba93c9d b0cff93f 52b521d7 420e43f6 eda2784f"},
    {1023, "7437d7a881387db7c41cf6930ab5e35d", "1d58257e 7e9cecee 00473911 023732e4 08e9bee3"},
    {1024, "9ee0a0e0c0bc0f1ff29d663d1fdf0743", "0ac28084 ff74933d 05123496 dafd3791 684d9b53"},
    {1025, "3f3789452b88cb32b8cbfbafe715e29a", "ca9fdc04 0579afc7 4c0e6314 fee7af12 bd5c4284"},
    {3000, "a216503cb86d01a23e71e047d4ccf001", "5e25a94c 1eb80894 140b670c 6ae18f72 d3358eec"},
};

TEST(FileDigest, GoldenFilesInBothLayouts) {
    ScratchFolder folder;
    for (const Golden& golden : goldens) {
        const std::string  path = write_file(folder.path / "file", counting(golden.length));
        const DigestResult md5 = calculate_file_digest(path.c_str(), HashType::md5);
        const DigestResult sha1 = calculate_file_digest(path.c_str(), HashType::sha1);
        EXPECT_EQ(md5.status, DigestStatus::ok);
        EXPECT_STREQ(md5.text, golden.md5) << golden.length;
        EXPECT_EQ(md5.byte_count, golden.length);
        EXPECT_EQ(sha1.status, DigestStatus::ok);
        EXPECT_STREQ(sha1.text, golden.sha1) << golden.length;
        EXPECT_EQ(sha1.byte_count, golden.length);
    }
}

TEST(FileDigest, PathsThatCannotBeOpened) {
    ScratchFolder     folder;
    const std::string missing = (folder.path / "missing").string();
    const std::string folder_path = folder.path.string();
    // Nobody writes to the pipe: a read of it would wait for ever.
#ifdef _WIN32
    const std::string pipe = "\\\\.\\pipe\\tamsivel-test", null_device = "NUL";
    const HANDLE      writer =
        CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr);
#else
    const std::string pipe = (folder.path / "fifo").string(), null_device = "/dev/null";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
#endif
    for (const std::string& path : {missing, folder_path, std::string(), pipe, null_device}) {
        for (HashType type : {HashType::md5, HashType::sha1}) {
            const DigestResult result = calculate_file_digest(path.c_str(), type);
            EXPECT_EQ(result.status, DigestStatus::open_failed) << path;
            EXPECT_STREQ(result.text, "");
            EXPECT_EQ(result.byte_count, 0u);
        }
    }
#ifdef _WIN32
    EXPECT_FALSE(PeekNamedPipe(writer, nullptr, 0, nullptr, nullptr, nullptr)); // its reader let go
    CloseHandle(writer);
#endif
}

#ifdef _WIN32
template <typename Action> void unredirected(Action action) {
    PVOID      redirection = nullptr;
    const BOOL off = Wow64DisableWow64FsRedirection(&redirection);
    action();
    if (off)
        Wow64RevertWow64FsRedirection(redirection);
}

// A 32-bit process on 64-bit Windows is shown SysWOW64 under System32's name.
TEST(FileDigest, System32PathNamesItsOwnFileNotTheSysWow64One) {
    char native[MAX_PATH], stand_in[MAX_PATH];
    if (GetSystemWow64DirectoryA(stand_in, MAX_PATH) == 0)
        GTEST_SKIP() << "no SysWOW64 folder";
    GetSystemDirectoryA(native, MAX_PATH);
    const std::string path = std::string(native) + "\\tamsivel-test";
    const fs::path    stand_in_path = std::string(stand_in) + "\\tamsivel-test";
    unredirected([&] { write_file(path, counting(1)); });
    write_file(stand_in_path, counting(0));
    const DigestResult result = calculate_file_digest(path.c_str(), HashType::md5);
    EXPECT_EQ(fs::file_size(path), sizeof(void*) == 4 ? 0u : 1u); // redirected again if 32-bit
    unredirected([&] { fs::remove(path); });
    fs::remove(stand_in_path);
    EXPECT_STREQ(result.text, goldens[1].md5);
}
#endif

// A stand-in for the file: serves a message in reads of at most `piece`
// bytes, may fail after `fail_after` bytes, and records what it was asked.
struct MemorySource {
    Bytes         message;
    std::size_t   position;
    std::uint32_t piece;
    std::size_t   fail_after;
    std::uint32_t reads;
    std::uint32_t largest_request;
    std::uint32_t smallest_request;
};

std::int32_t read_memory(void* opaque, std::uint8_t* buffer, std::uint32_t capacity) {
    MemorySource& source = *static_cast<MemorySource*>(opaque);
    source.reads++;
    source.largest_request = std::max(source.largest_request, capacity);
    source.smallest_request = std::min(source.smallest_request, capacity);
    if (source.position >= source.fail_after)
        return -1;
    const std::size_t count =
        std::min<std::size_t>({capacity, source.piece, source.message.size() - source.position});
    std::copy_n(source.message.begin() + source.position, count, buffer);
    source.position += count;
    return static_cast<std::int32_t>(count);
}

MemorySource memory_source(std::size_t length, std::uint32_t piece,
                           std::size_t fail_after = SIZE_MAX) {
    return {counting(length), 0, piece, fail_after, 0, 0, UINT32_MAX};
}

TEST(DigestStream, ReadsWholeBuffersUntilTheEnd) {
    MemorySource       source = memory_source(1024, read_size);
    const DigestResult result = digest_stream(read_memory, &source, HashType::md5);
    EXPECT_STREQ(result.text, "9ee0a0e0c0bc0f1ff29d663d1fdf0743");
    EXPECT_EQ(source.reads, 2u); // 1024 bytes, then the end
    EXPECT_EQ(source.largest_request, read_size);
    EXPECT_EQ(source.smallest_request, read_size);
}

TEST(DigestStream, ShortReadsGiveTheSameDigest) {
    for (std::uint32_t piece : {1u, 100u, 1000u}) {
        MemorySource       source = memory_source(3000, piece);
        const DigestResult result = digest_stream(read_memory, &source, HashType::sha1);
        EXPECT_STREQ(result.text, goldens[5].sha1) << piece;
        EXPECT_EQ(result.byte_count, 3000u);
    }
}

TEST(DigestStream, ReadFailingPartWayIsAFailure) {
    for (std::size_t fail_after : {std::size_t(0), std::size_t(1024), std::size_t(2048)}) {
        for (HashType type : {HashType::md5, HashType::sha1}) {
            MemorySource       source = memory_source(3000, read_size, fail_after);
            const DigestResult result = digest_stream(read_memory, &source, type);
            EXPECT_EQ(result.status, DigestStatus::read_failed) << fail_after;
            EXPECT_STREQ(result.text, "");
            EXPECT_EQ(result.byte_count, 0u);
        }
    }
}

TEST(FormatDigestText, LayoutsOfBothTypes) {
    std::uint8_t digest[sha1_digest_size];
    for (std::uint32_t i = 0; i < sha1_digest_size; i++)
        digest[i] = std::uint8_t(i * 0x11 + 0x0f);
    char text[digest_text_size];
    format_digest_text(text, digest, HashType::md5);
    EXPECT_STREQ(text, "0f2031425364758697a8b9cadbecfd0e");
    format_digest_text(text, digest, HashType::sha1);
    EXPECT_STREQ(text, "0f203142 53647586 97a8b9ca dbecfd0e 1f304152");
}

} // namespace
