// The one platform seam below the window: reading a file by path, start to
// end. Win32 (CreateFileA/ReadFile/CloseHandle) on Windows, POSIX elsewhere.
#pragma once

#include <cstdint>

struct FileSource {
#ifdef _WIN32
    void* handle;
#else
    int descriptor;
#endif
};

// Only a file on disk opens. A directory, a pipe or a device is refused here
// on both platforms alike: a pipe or a device may keep a read waiting for ever.
// On Windows the path names the file itself, never its 32-bit stand-in.
bool file_open(FileSource* source, const char* path);

// Bytes read into buffer (0 at the end of the file), or -1 when the read failed.
std::int32_t file_read(FileSource* source, std::uint8_t* buffer, std::uint32_t capacity);

void file_close(FileSource* source);
