#include "ui/dll_search.h"

void NTAPI limit_dll_search(PVOID, DWORD reason, PVOID) {
    // The callback runs again as each thread starts and ends.
    if (reason != DLL_PROCESS_ATTACH) {
        return;
    }
    using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    // Looked up: Windows 7 has it only with an update.
    const auto set_default =
        reinterpret_cast<SetDefaultDllDirectories>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (set_default == nullptr || !set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        // Takes out at least the current folder.
        SetDllDirectoryA("");
    }
}
