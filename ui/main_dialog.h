// The main and only window: its dialog procedure, what happens when it opens,
// and the choice of hash type, which the opening shares with the two radio
// buttons. All program state lives in the dialog's controls.
#pragma once

#include <windows.h>

#include "operations/file_digest.h"

// The path field holds a MAX_PATH path; the digest fields the longer (SHA-1) text.
constexpr int path_capacity = MAX_PATH;
constexpr int digest_capacity = static_cast<int>(digest_text_size) - 1;

INT_PTR CALLBACK main_dialog_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL             on_init_dialog(HWND window, LPARAM lParam);
void             select_hash_type(HWND window, int identifier);
