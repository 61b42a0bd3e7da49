#include "ui/file_selection.h"

#include <cderr.h>
#include <commdlg.h>
#include <cstring>
#include <shellapi.h>

#include "resources/resource.h"
#include "ui/commands.h"

namespace {

// Description and pattern, each terminated, and one more terminator for the list.
constexpr char  open_filter[] = "All Files(*.*)\0*.*\0";
constexpr char  open_title[] = "File:";
constexpr DWORD open_flags =
    OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
static_assert(open_flags == 0x801804, "the Open dialog's flags");

// The directory buffer takes the whole initial path before it is split.
constexpr int directory_size = path_capacity + 1;

// Stepping by characters keeps a double-byte character whose second byte
// happens to be a backslash from being taken for a separator.
char* last_separator(char* text, char separator) {
    char* found = nullptr;
    for (char* at = text; *at != '\0'; at = CharNextA(at)) {
        if (*at == separator) {
            found = at;
        }
    }
    return found;
}

void take_dropped_file(HWND window, HDROP drop) {
    char path[path_capacity] = {};
    // Measured first: DragQueryFileA would cut a long path to fit, and the cut
    // path could name another file.
    if (DragQueryFileA(drop, 0, nullptr, 0) >= sizeof path) {
        show_unreadable_file(window);
        return;
    }
    DragQueryFileA(drop, 0, path, sizeof path);
    SetDlgItemTextA(window, IDC_FILE_PATH, path);
    run_calculation(window);
}

} // namespace

void browse_for_file(HWND window) {
    char              path[path_buffer_size] = {};
    const char* const taken = take_path_field(window, path);
    if (taken == nullptr) {
        return;
    }
    if (browse_into_control(window, IDC_FILE_PATH, taken, nullptr, 1, open_filter, open_title,
                            open_flags) == browse_refused) {
        show_unreadable_file(window);
        return;
    }
    // Also after a cancel: the user then gets the digest of the path already typed.
    run_calculation(window);
}

int browse_into_control(HWND window, int target, const char* initial_path,
                        char (*chosen)[file_name_size], DWORD filter_index, const char* filter,
                        const char* title, DWORD flags) {
    OPENFILENAMEA record = {};
    char          file_name[file_name_size] = {};
    char          directory[directory_size] = {};
    // The Open dialog moves the current directory into each folder it shows,
    // and Windows keeps that one in use: it could not be removed, nor its
    // drive ejected, while the program runs. So it goes back, if it was read.
    char        current[path_buffer_size];
    const DWORD current_length = GetCurrentDirectoryA(sizeof current, current);
    const bool  keep = current_length != 0 && current_length < sizeof current;
    if (!keep) {
        current[0] = '\0';
    }
    // Plain copies of measured lengths: a mistake in a bound then fails where
    // it is made, which lstrcpyA would hide.
    const std::size_t initial_length = std::strlen(initial_path);
    if (initial_length >= sizeof directory) {
        return browse_refused;
    }
    std::memcpy(directory, initial_path, initial_length + 1);
    char* separator = last_separator(directory, '\\');
    if (separator == nullptr) {
        separator = last_separator(directory, '/');
    }
    // A bare name is in the current directory.
    const char* name = initial_path;
    const char* folder = current;
    if (separator != nullptr) {
        *separator = '\0';
        name = initial_path + (separator - directory) + 1;
        folder = directory;
    }
    // Windows opens the folder last chosen from, not lpstrInitialDir, when
    // lpstrInitialDir repeats the first one the program ever gave it; it would
    // offer a file of the typed name there. A file's whole path, with no
    // initial folder, opens where the path is. A folder's path would make the
    // dialog fail, so only a path with a last part goes in whole.
    char*       part = nullptr;
    const DWORD whole = GetFullPathNameA(initial_path, path_capacity, file_name, &part);
    const bool  by_path = whole != 0 && whole < path_capacity && part != nullptr && *part != '\0';
    if (!by_path) {
        std::memcpy(file_name, name, std::strlen(name) + 1);
    }

    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = window;
    record.lpstrFilter = filter;
    record.nFilterIndex = filter_index == 0 ? 1 : filter_index;
    record.lpstrFile = file_name;
    record.nMaxFile = sizeof file_name;
    record.lpstrInitialDir = by_path ? nullptr : folder;
    record.lpstrTitle = title;
    record.Flags = flags;
    BOOL chose = GetOpenFileNameA(&record);
    // Refused before it showed: the user still gets a dialog, as before.
    if (chose != TRUE && by_path && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
        std::memcpy(file_name, name, std::strlen(name) + 1);
        record.lpstrInitialDir = folder;
        chose = GetOpenFileNameA(&record);
    }
    if (keep) {
        SetCurrentDirectoryA(current);
    }
    if (chose != TRUE) {
        return CommDlgExtendedError() == 0 ? browse_cancelled : browse_refused;
    }
    // Longer than any path the calculation takes: refused before it replaces
    // the field's text.
    const std::size_t chosen_length = std::strlen(file_name);
    if (chosen_length > static_cast<std::size_t>(path_capacity)) {
        return browse_refused;
    }
    if (chosen != nullptr) {
        std::memcpy(*chosen, file_name, chosen_length + 1);
    }
    if (target != 0) {
        SetDlgItemTextA(window, target, file_name);
    }
    return static_cast<int>(record.nFilterIndex);
}

int on_drop_files(HWND window, HDROP drop) {
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
        take_dropped_file(window, drop);
    } else {
        MessageBoxA(window, "One dropped file at a time please.", "tamsivel", MB_ICONERROR);
    }
    DragFinish(drop);
    return 1;
}
