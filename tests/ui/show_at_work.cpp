// Shows the tool at work for the README's pictures: starts tamsivel.exe,
// calculates the SHA-1 of a small file, pastes its published digest and
// compares; then compares texts that each draw another answer, to look at how
// the box lays them out. After each step it prints the step's name, then
// waits for a line on its input, so that the script capturing the screen
// keeps pace.
#include "tests/ui/dialog_harness.h"

#include <cstdio>

#include "resources/resource.h"

namespace {

constexpr char example_path[] = "C:\\Downloads\\notes.txt";
constexpr char example_text[] = "Everything the tool reads, it reads once, from start to end.\r\n";

void show_step(const char* name) {
    std::printf("%s\n", name);
    std::fflush(stdout);
    char answer[16];
    std::fgets(answer, sizeof answer, stdin);
}

void calculate(HWND dialog) {
    // A message box in the program would hold a plain SendMessage for ever.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, IDC_CALCULATE), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000,
                        &answer);
}

// Compares, shows the answer as the step's name and closes it; false when no
// answer came.
bool show_answer(HWND dialog, const char* step) {
    // Posted: the answer's box holds the program until it is answered.
    PostMessageA(GetDlgItem(dialog, IDC_COMPARE), BM_CLICK, 0, 0);
    HWND box = nullptr;
    for (int tries = 0; box == nullptr && tries < 200; ++tries) {
        Sleep(50);
        box = FindWindowA(nullptr, "Compare hash");
    }
    if (box == nullptr)
        return false;
    show_step(step);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int tries = 0; IsWindow(box) && tries < 200; ++tries)
        Sleep(50);
    return true;
}

struct Mismatch {
    int         type; // the button checked while comparing
    const char* step;
    const char* expected;
};

constexpr Mismatch mismatches[] = {
    {IDC_SHA1, "not-equal", "0000000000000000000000000000000000000000"},
    {IDC_SHA1, "as-md5", "00000000000000000000000000000000"},
    {IDC_SHA1, "too-long", "00000000000000000000000000000000000000000000"},
    {IDC_SHA1, "too-few", "000000000000000000000000000000000000000"},
    {IDC_SHA1, "no-digest", "00000000000000000000000000000000  notes.txt"},
    {IDC_MD5, "as-sha1", "0000000000000000000000000000000000000000"},
};

} // namespace

int main() {
    CreateDirectoryA("C:\\Downloads", nullptr);
    write_file(example_path, example_text);
    const StartedProgram program = start_program();
    if (program.window == nullptr) {
        std::fprintf(stderr, "tamsivel.exe showed no window\n");
        return 1;
    }
    const HWND dialog = program.window;
    SendDlgItemMessageA(dialog, IDC_FILE_PATH, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(example_path));
    SendDlgItemMessageA(dialog, IDC_SHA1, BM_CLICK, 0, 0);
    calculate(dialog);

    // Published digests mostly come as one run of digits, which is what gets pasted.
    char calculated[64] = {};
    char published[64] = {};
    GetDlgItemTextA(dialog, IDC_HASH_TEXT, calculated, sizeof calculated);
    for (char *from = calculated, *to = published; *from != '\0'; ++from) {
        if (*from != ' ') {
            *to++ = *from;
        }
    }
    const HWND expected = GetDlgItem(dialog, IDC_EXPECTED_HASH);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(expected), TRUE);
    SendMessageA(expected, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(published));
    SendMessageA(expected, EM_SETSEL, 40, 40);
    show_step("calculated");

    bool answered = show_answer(dialog, "compared");
    for (const Mismatch& mismatch : mismatches) {
        if (IsDlgButtonChecked(dialog, mismatch.type) != BST_CHECKED) {
            SendDlgItemMessageA(dialog, mismatch.type, BM_CLICK, 0, 0);
            calculate(dialog);
        }
        SendMessageA(expected, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mismatch.expected));
        answered = answered && show_answer(dialog, mismatch.step);
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    end_program(program);
    return answered ? 0 : 1;
}
