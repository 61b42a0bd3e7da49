// How much text the dialog's fields hold, shared by every window file so
// that none of them needs another for its sizes.
#pragma once

#include <windows.h>

#include "operations/file_digest.h"

// The path field holds a MAX_PATH path; the digest fields the longer (SHA-1) text.
constexpr int path_capacity = MAX_PATH;
constexpr int digest_capacity = static_cast<int>(digest_text_size) - 1;

// Room for a path of path_capacity bytes and one more whole UTF-8 character:
// a longer text read into it can only come back longer than path_capacity.
constexpr int path_buffer_size = path_capacity + 5;
