// What the dialog's commands do: calculate, compare and clear stale results.
// Inputs are read from the controls when a command runs; the outcomes of the
// hash operations go back into them or into a message box owned by the dialog.
// Browsing and dropping use the calculation; nothing here calls back.
#pragma once

#include <cstdint>
#include <windows.h>

#include "ui/field_sizes.h"

// The decimal digits of any 64-bit count and a terminator.
constexpr int byte_count_size = 21;

void run_calculation(HWND window);
// Reads the path field whole and empties the results. Returns the path in
// the buffer, without the quotes of a path in quotes, or null, once the user
// has been told, when it is longer than path_capacity bytes, which no ANSI
// call takes: only a cut path would fit, and it could name another file.
const char* take_path_field(HWND window, char (&path)[path_buffer_size]);
void        clear_results(HWND window);
void        show_unreadable_file(HWND window);
// Returns the start of the text, which ends at the end of the buffer.
const char* format_byte_count(char (&text)[byte_count_size], std::uint64_t count);
void        run_comparison(HWND window);
void        focus_control(HWND window, int identifier);
