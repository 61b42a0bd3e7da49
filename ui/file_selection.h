// The two ways of naming a file besides typing its path: the Open dialog,
// started from the path already in the field, and one file dropped from the
// shell. Both put the path into the path field and calculate at once.
#pragma once

#include <windows.h>

#include "ui/field_sizes.h"

// The Open dialog's file-name buffer; a chosen path ends within it.
constexpr int file_name_size = path_capacity + 1;

void browse_for_file(HWND window);
// Opens the Open dialog at the folder of initial_path with its last part as
// the file name. When a file is chosen, its path goes into chosen (if given)
// and into control target (if not 0), and the dialog's filter index is
// returned; otherwise -1, with nothing changed.
int browse_into_control(HWND window, int target, const char* initial_path,
                        char (*chosen)[file_name_size], DWORD filter_index, const char* filter,
                        const char* title, DWORD flags);
int on_drop_files(HWND window, HDROP drop);
