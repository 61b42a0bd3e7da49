// The main and only window: its dialog procedure, what happens when it opens,
// the dispatch of its commands, and the choice of hash type, which the opening
// shares with the two radio buttons. All program state lives in the dialog's
// controls.
#pragma once

#include <windows.h>

INT_PTR CALLBACK main_dialog_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL             on_init_dialog(HWND window, LPARAM lParam);
void             on_command(HWND window, int identifier, int notification);
void             select_hash_type(HWND window, int identifier);
