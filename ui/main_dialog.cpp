#include "ui/main_dialog.h"

#include "resources/resource.h"
#include "ui/commands.h"
#include "ui/field_sizes.h"
#include "ui/file_selection.h"

namespace {

constexpr char credits_text[] =
    "Copyright (C) The Tamsivel developers. All rights reserved.\r\n"
    "Thanks to the designers of MD5 and SHA-1 and of their public domain code.\r\n"
    "RFC 3174,  RFC 1321, FIPS PUB 180-1";

// Posted on activation: it arrives once the dialog manager has given the
// focus back to the control that had it, and ends the mark set meanwhile.
constexpr UINT focus_returned = WM_APP;

void on_path_field(HWND window, int notification) {
    // A result next to a path it may not belong to would mislead. The focus
    // that comes back with the window, marked in the dialog's user data,
    // changes no path.
    const bool returning = GetWindowLongPtrA(window, DWLP_USER) != 0;
    if (notification == EN_CHANGE || (notification == EN_SETFOCUS && !returning)) {
        clear_results(window);
    }
}

void on_activate(HWND window, WORD state) {
    if (state == WA_INACTIVE) {
        return;
    }
    // A click that activates the window on the path field is a click into it.
    POINT cursor;
    if (state == WA_CLICKACTIVE && GetCursorPos(&cursor) &&
        WindowFromPoint(cursor) == GetDlgItem(window, IDC_FILE_PATH)) {
        return;
    }
    SetWindowLongPtrA(window, DWLP_USER, 1);
    PostMessageA(window, focus_returned, 0, 0);
}

// In the size the system asks for at the present resolution. Not shared:
// Windows hands back the first size it cached, whatever size is asked for.
// The program's one window keeps them for the life of the process, whose end
// frees them.
LPARAM program_icon(int width_metric, int height_metric) {
    return reinterpret_cast<LPARAM>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TAMSIVEL), IMAGE_ICON,
                   GetSystemMetrics(width_metric), GetSystemMetrics(height_metric), 0));
}

// Enter sends IDOK unless the dialog manager itself moved the focus to the
// button, as Tab does. On a button focused by a click or by the program the
// user means that button all the same.
int entered_command(HWND window) {
    const HWND focus = GetFocus();
    const int  identifier = static_cast<int>(GetWindowLongPtrA(focus, GWLP_ID));
    // The focus may be anywhere in the thread: only a button of this dialog counts.
    const bool ours = focus != nullptr && GetDlgItem(window, identifier) == focus;
    const bool button =
        SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return ours && button ? identifier : IDOK;
}

void close_dialog(HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
}

} // namespace

INT_PTR CALLBACK main_dialog_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(window, lParam);
    case WM_COMMAND: on_command(window, LOWORD(wParam), HIWORD(wParam)); return FALSE;
    case WM_ACTIVATE: on_activate(window, LOWORD(wParam)); return FALSE;
    case focus_returned: SetWindowLongPtrA(window, DWLP_USER, 0); return TRUE;
    case WM_DROPFILES: on_drop_files(window, reinterpret_cast<HDROP>(wParam)); return FALSE;
    // The window is gone when this returns, so the dialog manager adds nothing.
    case WM_CLOSE: DestroyWindow(window); return FALSE;
    case WM_DESTROY: PostQuitMessage(0); return FALSE;
    default: return FALSE;
    }
}

BOOL on_init_dialog(HWND window, LPARAM lParam) {
    select_hash_type(window, IDC_MD5);
    SetDlgItemTextA(window, IDC_CREDITS, credits_text);
    // The caption, the taskbar and task switching show the program's own icon.
    SendMessageA(window, WM_SETICON, ICON_BIG, program_icon(SM_CXICON, SM_CYICON));
    SendMessageA(window, WM_SETICON, ICON_SMALL, program_icon(SM_CXSMICON, SM_CYSMICON));
    SendDlgItemMessageA(window, IDC_FILE_PATH, EM_LIMITTEXT, path_capacity, 0);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(window, static_cast<int>(lParam));
    // TRUE lets the dialog manager focus the first tab stop, Select File.
    return TRUE;
}

void on_command(HWND window, int identifier, int notification) {
    if (identifier == IDOK) {
        identifier = entered_command(window);
    }
    switch (identifier) {
    case IDOK:
    case IDC_CALCULATE: run_calculation(window); break;
    case IDC_SELECT_FILE: browse_for_file(window); break;
    case IDC_COMPARE: run_comparison(window); break;
    case IDC_MD5:
    case IDC_SHA1: select_hash_type(window, identifier); break;
    case IDC_FILE_PATH: on_path_field(window, notification); break;
    case IDCANCEL: close_dialog(window); break;
    default: break;
    }
}

void select_hash_type(HWND window, int identifier) {
    CheckDlgButton(window, IDC_MD5, BST_UNCHECKED);
    CheckDlgButton(window, IDC_SHA1, BST_UNCHECKED);
    if (identifier == IDC_MD5 || identifier == IDC_SHA1) {
        CheckDlgButton(window, identifier, BST_CHECKED);
    }
    SendDlgItemMessageA(window, IDC_HASH_TEXT, EM_LIMITTEXT, digest_capacity, 0);
    SendDlgItemMessageA(window, IDC_EXPECTED_HASH, EM_LIMITTEXT, digest_capacity, 0);
    // A result of the other type would no longer match the selection.
    clear_results(window);
}
