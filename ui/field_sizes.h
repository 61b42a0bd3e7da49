// How much text the dialog's fields hold, shared by every window file so
// that none of them needs another for its sizes.
#pragma once

#include <windows.h>

#include "operations/file_digest.h"

// The path field holds a MAX_PATH path; the digest fields the longer (SHA-1) text.
constexpr int path_capacity = MAX_PATH;
constexpr int digest_capacity = static_cast<int>(digest_text_size) - 1;

// Room for anything the path field holds: path_capacity UTF-16 units, each
// at most 3 bytes in UTF-8. Nothing read into it is cut to fit, and even the
// half of it that Windows may leave an ANSI reader is more than path_capacity.
constexpr int path_buffer_size = path_capacity * 3 + 1;
