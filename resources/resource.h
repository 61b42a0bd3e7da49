// Identifiers shared by the dialog template and the code that drives it.
// Kept free of C++ so the resource compiler can read it as well.
#pragma once

// The lowest icon identifier is the one the shell shows for the program.
#define IDI_TAMSIVEL 1

#define IDD_MAIN 101

#define IDC_HASH_TEXT 1001
#define IDC_FILE_PATH 1002
#define IDC_SELECT_FILE 1003
#define IDC_CALCULATE 1004
#define IDC_COMPARE 1005
#define IDC_EXPECTED_HASH 1006
#define IDC_BYTE_COUNT 1007
#define IDC_MD5 1008
#define IDC_SHA1 1009
#define IDC_CREDITS 1011

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
