// The two ways of naming a file besides typing its path: the Open dialog,
// started from the path already in the field, and one file dropped from the
// shell. Both put the path into the path field and calculate at once.
#pragma once

#include <windows.h>

#include "ui/field_sizes.h"

// The Open dialog's file-name buffer: room beyond path_capacity, so that a
// longer choice comes back whole and can be refused rather than cut to fit.
constexpr int file_name_size = path_buffer_size;

constexpr int browse_cancelled = -1;
// The dialog failed, or the initial or chosen path is longer than path_capacity.
constexpr int browse_refused = -2;

void browse_for_file(HWND window);
// Opens the Open dialog at the folder of initial_path with its last part as
// the file name: handed over as one full path when initial_path names a file,
// else as that folder and name. When a file is chosen, its path goes into
// chosen (if given) and into control target (if not 0), and the dialog's
// filter index is returned; otherwise browse_cancelled or browse_refused,
// with nothing changed.
// The current directory, which the Open dialog moves, is put back as it was.
int browse_into_control(HWND window, int target, const char* initial_path,
                        char (*chosen)[file_name_size], DWORD filter_index, const char* filter,
                        const char* title, DWORD flags);
int on_drop_files(HWND window, HDROP drop);
