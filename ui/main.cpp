// Process entry: runs the one dialog and ends the process with what it returned.
#include <windows.h>

#include "resources/resource.h"
#include "ui/dll_search.h"
#include "ui/main_dialog.h"

// Windows calls the TLS callbacks before anything else of the program runs;
// the runtime lists its own from .CRT$XLC on, so this one comes first.
[[gnu::section(".CRT$XLB"), gnu::used]] extern const PIMAGE_TLS_CALLBACK dll_search_callback =
    limit_dll_search;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const INT_PTR result =
        DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_MAIN), nullptr, main_dialog_proc, 1);
    ExitProcess(static_cast<UINT>(result));
}
