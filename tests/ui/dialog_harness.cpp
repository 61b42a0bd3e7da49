#include "tests/ui/dialog_harness.h"

#include <commdlg.h>
#include <shlobj.h>

#include "resources/resource.h"
#include "ui/main_dialog.h"

namespace {

// A CBT hook has no context argument; the test thread runs one test at a time.
WindowLog* active_log = nullptr;

std::string window_text(HWND window) {
    char buffer[1024] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK note_box_child(HWND child, LPARAM lParam) {
    auto* seen = reinterpret_cast<SeenWindow*>(lParam);
    char  kind[32] = {};
    GetClassNameA(child, kind, sizeof kind);
    if (lstrcmpiA(kind, "Static") != 0) {
        return TRUE;
    }
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        seen->text = window_text(child);
        return TRUE;
    }
    const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (icon != nullptr && icon == LoadIconA(nullptr, IDI_ERROR)) {
        seen->icon = 'E';
    } else if (icon != nullptr && icon == LoadIconA(nullptr, IDI_INFORMATION)) {
        seen->icon = 'I';
    }
    return TRUE;
}

// Called from a timer: the Open dialog moves to its initial folder only after
// it has been activated.
void CALLBACK answer_open_dialog(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    SeenWindow seen{window_text(window), "", "", '-'};
    char       folder[MAX_PATH * 2] = {};
    char       name[MAX_PATH * 2] = {};
    SendMessageA(window, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    SendMessageA(window, CDM_GETSPEC, sizeof name, reinterpret_cast<LPARAM>(name));
    seen.folder = folder;
    seen.text = name;
    active_log->seen.push_back(seen);
    if (active_log->choose.empty()) {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    HWND field = GetDlgItem(window, cmb13);
    SetWindowTextA(field != nullptr ? field : GetDlgItem(window, edt1), active_log->choose.c_str());
    PostMessageA(window, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK watch_windows(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    // Only windows owned by the dialog under test: its boxes and Open dialogs.
    if (code == HCBT_ACTIVATE && active_log != nullptr && GetWindow(window, GW_OWNER) != nullptr) {
        char probe[8] = {};
        if (SendMessageA(window, CDM_GETFOLDERPATH, sizeof probe,
                         reinterpret_cast<LPARAM>(probe)) != 0) {
            SetTimer(window, 1, 10, answer_open_dialog);
        } else {
            SeenWindow seen{window_text(window), "", "", '-'};
            EnumChildWindows(window, note_box_child, reinterpret_cast<LPARAM>(&seen));
            active_log->seen.push_back(seen);
            PostMessageA(window, WM_COMMAND, IDOK, 0);
            // A complaint of the Open dialog: give that up too, or the test waits for ever.
            const HWND owner = GetWindow(window, GW_OWNER);
            if (owner != active_log->dialog) {
                PostMessageA(owner, WM_COMMAND, IDCANCEL, 0);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK find_dialog_of(HWND window, LPARAM lParam) {
    auto* program = reinterpret_cast<StartedProgram*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != program->process.dwProcessId || GetDlgItem(window, IDC_FILE_PATH) == nullptr) {
        return TRUE;
    }
    program->window = window;
    return FALSE;
}

} // namespace

void DialogTest::SetUp() {
    active_log = &log;
    hook = SetWindowsHookExA(WH_CBT, watch_windows, nullptr, GetCurrentThreadId());
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                main_dialog_proc, SW_SHOWNORMAL);
    log.dialog = dialog;
    ASSERT_NE(dialog, nullptr);
    // As the dialog's own loop would before anyone could touch it.
    pump_messages();
}

void DialogTest::TearDown() {
    if (IsWindow(dialog)) {
        DestroyWindow(dialog);
    }
    // The dialog posts the quit message on its way out; a later box would end on it.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    UnhookWindowsHookEx(hook);
    active_log = nullptr;
}

std::string DialogTest::text(int identifier) const {
    return window_text(GetDlgItem(dialog, identifier));
}

void DialogTest::set_text(int identifier, const std::string& value) const {
    SetDlgItemTextA(dialog, identifier, value.c_str());
}

void DialogTest::click(int identifier) const {
    SendMessageA(GetDlgItem(dialog, identifier), BM_CLICK, 0, 0);
}

void DialogTest::press_key(int identifier, WPARAM key) const {
    HWND control = GetDlgItem(dialog, identifier);
    SetFocus(control);
    MSG message{control, WM_KEYDOWN, key, 1, GetTickCount(), {}};
    IsDialogMessageA(dialog, &message);
}

void DialogTest::type(int identifier, char character, int times) const {
    for (int i = 0; i < times; ++i) {
        SendDlgItemMessageA(dialog, identifier, WM_CHAR, static_cast<unsigned char>(character), 1);
    }
}

bool DialogTest::checked(int identifier) const {
    return IsDlgButtonChecked(dialog, identifier) == BST_CHECKED;
}

int DialogTest::focused() const {
    return GetDlgCtrlID(GetFocus());
}

void pump_messages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

std::wstring wide(const std::string& utf8) {
    const int    length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &result[0], length);
    result.pop_back();
    return result;
}

std::string test_folder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "tamsivel-ui-test";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

// Made through the wide call, so a name is truly Unicode whatever the code page.
std::string write_file(const std::string& name, const std::string& contents) {
    const std::string path = name.find('\\') == std::string::npos ? test_folder() + name : name;
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

HDROP make_drop(const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& path : paths) {
        list += wide(path) + L'\0';
    }
    list += L'\0';
    const HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto*         drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

std::string program_path() {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, sizeof own);
    std::string path = own;
    return path.substr(0, path.rfind('\\') + 1) + "tamsivel.exe";
}

StartedProgram start_program() {
    StartedProgram program{};
    STARTUPINFOA   start{};
    start.cb = sizeof start;
    std::string command = "\"" + program_path() + "\"";
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &program.process)) {
        return program;
    }
    for (int tries = 0; program.window == nullptr && tries < 200; ++tries) {
        Sleep(50);
        EnumWindows(find_dialog_of, reinterpret_cast<LPARAM>(&program));
    }
    return program;
}

bool end_program(const StartedProgram& program) {
    const bool ended = WaitForSingleObject(program.process.hProcess, 10000) == WAIT_OBJECT_0;
    TerminateProcess(program.process.hProcess, 1);
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    return ended;
}
