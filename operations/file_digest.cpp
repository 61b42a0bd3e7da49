#include "operations/file_digest.h"

#include "engines/md5.h"
#include "engines/sha1.h"
#include "operations/file_source.h"

namespace {

std::int32_t read_file_source(void* source, std::uint8_t* buffer, std::uint32_t capacity) {
    return file_read(static_cast<FileSource*>(source), buffer, capacity);
}

DigestResult failure(DigestStatus status) {
    DigestResult result{};
    result.status = status;
    return result;
}

} // namespace

DigestResult calculate_file_digest(const char* path, HashType type) {
    FileSource source;
    if (!file_open(&source, path))
        return failure(DigestStatus::open_failed);
    const DigestResult result = digest_stream(read_file_source, &source, type);
    file_close(&source);
    return result;
}

DigestResult digest_stream(ReadFunction read, void* source, HashType type) {
    Md5Context  md5;
    Sha1Context sha1;
    if (type == HashType::md5)
        md5_init(&md5);
    else
        sha1_init(&sha1);

    // sha1_update may overwrite the buffer; nothing reads it after the call,
    // since the next read refills it.
    std::uint8_t  buffer[read_size];
    std::uint64_t byte_count = 0;
    for (;;) {
        const std::int32_t count = read(source, buffer, read_size);
        // A digest of the bytes before a failed read would be presented as
        // the file's digest: a failure reported as success.
        if (count < 0)
            return failure(DigestStatus::read_failed);
        if (count == 0)
            break;
        byte_count += static_cast<std::uint32_t>(count);
        if (type == HashType::md5)
            md5_update(&md5, buffer, static_cast<std::uint32_t>(count));
        else
            sha1_update(&sha1, buffer, static_cast<std::uint32_t>(count));
    }

    std::uint8_t digest[sha1_digest_size];
    if (type == HashType::md5)
        md5_final(digest, &md5);
    else
        sha1_final(digest, &sha1);

    DigestResult result{};
    result.status = DigestStatus::ok;
    format_digest_text(result.text, digest, type);
    result.byte_count = byte_count;
    return result;
}

void format_digest_text(char text[digest_text_size], const std::uint8_t* digest, HashType type) {
    constexpr char      digits[] = "0123456789abcdef";
    const std::uint32_t size = type == HashType::md5 ? md5_digest_size : sha1_digest_size;
    std::uint32_t       since_blank = 0;
    for (std::uint32_t i = 0; i < size; i++) {
        if (type == HashType::sha1 && since_blank == 4) {
            *text++ = ' ';
            since_blank = 0;
        }
        *text++ = digits[digest[i] >> 4];
        *text++ = digits[digest[i] & 0x0f];
        since_blank++;
    }
    *text = '\0';
}
