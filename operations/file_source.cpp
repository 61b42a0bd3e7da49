#include "operations/file_source.h"

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool file_open(FileSource* source, const char* path) {
    // Others may go on reading the file, but nobody may write it meanwhile.
    source->handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    return source->handle != INVALID_HANDLE_VALUE;
}

std::int32_t file_read(FileSource* source, std::uint8_t* buffer, std::uint32_t capacity) {
    DWORD read = 0;
    if (!ReadFile(source->handle, buffer, capacity, &read, nullptr))
        return -1;
    return static_cast<std::int32_t>(read);
}

void file_close(FileSource* source) {
    CloseHandle(source->handle);
}

#else

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool file_open(FileSource* source, const char* path) {
    int descriptor;
    do
        descriptor = open(path, O_RDONLY | O_CLOEXEC);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return false;

    struct stat status;
    if (fstat(descriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
        close(descriptor);
        return false;
    }
    source->descriptor = descriptor;
    return true;
}

std::int32_t file_read(FileSource* source, std::uint8_t* buffer, std::uint32_t capacity) {
    ssize_t read_count;
    do
        read_count = read(source->descriptor, buffer, capacity);
    while (read_count < 0 && errno == EINTR);
    return read_count < 0 ? -1 : static_cast<std::int32_t>(read_count);
}

void file_close(FileSource* source) {
    close(source->descriptor);
}

#endif
