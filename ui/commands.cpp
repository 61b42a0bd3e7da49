#include "ui/commands.h"

#include "operations/file_digest.h"
#include "operations/hash_compare.h"
#include "resources/resource.h"

namespace {

bool checked_hash_type(HWND window, HashType* type) {
    if (IsDlgButtonChecked(window, IDC_MD5) == BST_CHECKED) {
        *type = HashType::md5;
        return true;
    }
    if (IsDlgButtonChecked(window, IDC_SHA1) == BST_CHECKED) {
        *type = HashType::sha1;
        return true;
    }
    return false;
}

UINT message_box_kind(MessageKind kind) {
    return kind == MessageKind::information ? MB_ICONINFORMATION : MB_OK;
}

} // namespace

void run_calculation(HWND window) {
    HashType type = HashType::md5;
    if (!checked_hash_type(window, &type)) {
        return;
    }
    char              path[path_buffer_size] = {};
    const char* const taken = take_path_field(window, path);
    if (taken == nullptr) {
        return;
    }
    // The window answers nothing until the whole file is read: the busy
    // pointer says so, rather than leave it looking hung.
    const HCURSOR      pointer = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const DigestResult result = calculate_file_digest(taken, type);
    SetCursor(pointer);
    // A read that fails part-way leaves a digest of part of the file: no result.
    if (result.status != DigestStatus::ok) {
        show_unreadable_file(window);
        return;
    }
    SetDlgItemTextA(window, IDC_HASH_TEXT, result.text);
    char count[byte_count_size];
    SetDlgItemTextA(window, IDC_BYTE_COUNT, format_byte_count(count, result.byte_count));
}

const char* take_path_field(HWND window, char (&path)[path_buffer_size]) {
    UINT length = GetDlgItemTextA(window, IDC_FILE_PATH, path, path_buffer_size);
    // Nothing read from a field that is not empty: the text did not convert whole.
    const bool whole =
        length != 0 || SendDlgItemMessageA(window, IDC_FILE_PATH, WM_GETTEXTLENGTH, 0, 0) == 0;
    const char* taken = path;
    // Explorer's "Copy as path" puts the path in quotes. No name holds one, so
    // the text within them names the same file.
    if (length >= 2 && path[0] == '"' && path[length - 1] == '"') {
        path[length - 1] = '\0';
        taken = path + 1;
        length -= 2;
    }
    clear_results(window);
    if (!whole || length > static_cast<UINT>(path_capacity)) {
        show_unreadable_file(window);
        return nullptr;
    }
    return taken;
}

void clear_results(HWND window) {
    SetDlgItemTextA(window, IDC_HASH_TEXT, "");
    SetDlgItemTextA(window, IDC_BYTE_COUNT, "");
}

void show_unreadable_file(HWND window) {
    MessageBoxA(window, "Can not read file", "error", MB_ICONERROR);
}

const char* format_byte_count(char (&text)[byte_count_size], std::uint64_t count) {
    // SetDlgItemInt would take only the low 32 bits of a count of 4 GiB or more.
    char* digit = text + byte_count_size - 1;
    *digit = '\0';
    do {
        *--digit = static_cast<char>('0' + count % 10);
        count /= 10;
    } while (count != 0);
    return digit;
}

void run_comparison(HWND window) {
    char calculated[64] = {};
    char expected[64] = {};
    GetDlgItemTextA(window, IDC_HASH_TEXT, calculated, sizeof calculated);
    GetDlgItemTextA(window, IDC_EXPECTED_HASH, expected, sizeof expected);
    const CompareOutcome outcome = compare_hash_texts(calculated, expected);
    MessageBoxA(window, outcome.message, outcome.caption, message_box_kind(outcome.kind));
    switch (outcome.focus) {
    case FocusTarget::expected_hash: focus_control(window, IDC_EXPECTED_HASH); break;
    case FocusTarget::select_file: focus_control(window, IDC_SELECT_FILE); break;
    case FocusTarget::unchanged: break;
    }
}

void focus_control(HWND window, int identifier) {
    const HWND control = GetDlgItem(window, identifier);
    // wParam is the control itself when lParam is TRUE, not a direction.
    SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SetFocus(control);
}
