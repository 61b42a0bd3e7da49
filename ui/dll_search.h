// Where the process looks for a DLL that is loaded by bare name: in System32
// only. Windows would look in the program's own folder first, and the program
// is often run from Downloads, where a web page may have left a DLL named like
// one that the system loads later (theming, the Open dialog and what it brings).
#pragma once

#include <windows.h>

// A TLS callback, so that it runs before the runtime's constructors, which
// already load DLLs; it acts on the process's start only.
void NTAPI limit_dll_search(PVOID module, DWORD reason, PVOID reserved);
