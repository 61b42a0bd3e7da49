#include "operations/file_source.h"

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

using DisableRedirection = BOOL(WINAPI*)(PVOID*);
using RevertRedirection = BOOL(WINAPI*)(PVOID);

// Looked up, not imported: where they are missing there is no redirection.
template <typename Function> Function kernel_function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// A 32-bit program on 64-bit Windows is given SysWOW64 for System32, so a
// file named under System32 would be another file under the same name.
// Redirection is off for the open alone: a DLL loaded meanwhile would come
// from the wrong folder.
HANDLE open_unredirected(const char* path) {
    const auto disable = kernel_function<DisableRedirection>("Wow64DisableWow64FsRedirection");
    const auto revert = kernel_function<RevertRedirection>("Wow64RevertWow64FsRedirection");
    PVOID      redirection = nullptr;
    // Fails in a 64-bit process, which has no redirection to turn off.
    const bool disabled = disable != nullptr && revert != nullptr && disable(&redirection);
    // Others may go on reading the file, but nobody may write it meanwhile.
    const HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (disabled) {
        revert(redirection);
    }
    return handle;
}

} // namespace

bool file_open(FileSource* source, const char* path) {
    source->handle = open_unredirected(path);
    if (source->handle == INVALID_HANDLE_VALUE)
        return false;
    // A pipe or a device may never end a read, and the null device is no file.
    if (GetFileType(source->handle) != FILE_TYPE_DISK) {
        CloseHandle(source->handle);
        return false;
    }
    return true;
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
    // Without O_NONBLOCK the open of a FIFO waits for a writer; a regular
    // file reads the same either way.
    int descriptor;
    do
        descriptor = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return false;

    struct stat status;
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
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
