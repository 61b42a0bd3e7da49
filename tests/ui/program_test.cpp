#include "tests/ui/dialog_harness.h"

#include "resources/resource.h"
#include "ui/dll_search.h"

namespace {

// Reads a dialog template front to back, as the dialog manager does.
struct TemplateReader {
    const BYTE* at;

    template <typename T> T next() {
        T value;
        memcpy(&value, at, sizeof value);
        at += sizeof value;
        return value;
    }
    std::string text() {
        std::string result;
        for (WCHAR c = next<WCHAR>(); c != 0; c = next<WCHAR>()) {
            result += static_cast<char>(c);
        }
        return result;
    }
    std::string class_name() {
        return *reinterpret_cast<const WORD*>(at) == 0xFFFF
                   ? (next<WORD>(), "#" + std::to_string(next<WORD>()))
                   : text();
    }
    void align() { at += (4 - reinterpret_cast<uintptr_t>(at) % 4) % 4; }
};

TEST(Program, CarriesTheDialogTemplateAndVersionRecord) {
    const HMODULE program =
        LoadLibraryExA(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const HRSRC found = FindResourceExA(program, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(IDD_MAIN),
                                        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(found, nullptr);
    TemplateReader in{static_cast<const BYTE*>(LockResource(LoadResource(program, found)))};
    char           header[200];
    const WORD     format = in.next<WORD>(), signature = in.next<WORD>();
    const DWORD    help = in.next<DWORD>(), ex_style = in.next<DWORD>(), style = in.next<DWORD>();
    const WORD     count = in.next<WORD>();
    const short    x = in.next<short>(), y = in.next<short>(), cx = in.next<short>(),
                cy = in.next<short>();
    const std::string menu = in.text(), window_class = in.text(), caption = in.text();
    const WORD points = in.next<WORD>(), weight = in.next<WORD>(), italic_charset = in.next<WORD>();
    wsprintfA(header, "%u %X %u %X %08X %u %d,%d,%d,%d [%s] [%s] %s %u %u %X %s", format, signature,
              help, ex_style, style, count, x, y, cx, cy, menu.c_str(), window_class.c_str(),
              caption.c_str(), points, weight, italic_charset, in.text().c_str());
    EXPECT_STREQ(header, "1 FFFF 0 10 90C80AC0 14 0,0,288,121 [] [] Tamsivel 10 0 100 Arial");

    std::vector<std::string> controls;
    for (WORD i = 0; i < count; ++i) {
        in.align();
        in.next<DWORD>(); // help id
        const DWORD ex_style = in.next<DWORD>();
        const DWORD style = in.next<DWORD>();
        char        line[160];
        short       box[4];
        for (short& value : box)
            value = in.next<short>();
        const int         id = static_cast<int>(in.next<DWORD>());
        const std::string kind = in.class_name();
        const std::string caption = in.text();
        in.at += in.next<WORD>();
        wsprintfA(line, "%d %s \"%s\" %08X %X %d,%d,%d,%d", id, kind.c_str(), caption.c_str(),
                  style, ex_style, box[0], box[1], box[2], box[3]);
        controls.push_back(line);
    }
    const std::vector<std::string> expected{
        "1003 #128 \"Select File\" 50030000 0 7,35,69,12",
        "-1 #130 \"File to hash\" 40000000 0 0,0,0,0",
        "1002 #129 \"\" 50810080 0 79,35,202,12",
        "1004 #128 \"Calculate Hash\" 50010000 0 7,55,69,12",
        "-1 #130 \"Calculated hash\" 40000000 0 0,0,0,0",
        "1001 #129 \"\" 50810890 0 79,55,202,12",
        "1005 #128 \"Compare Hash\" 50010000 0 7,75,69,12",
        "-1 #130 \"Expected hash\" 40000000 0 0,0,0,0",
        "1006 #129 \"\" 50810090 0 79,75,202,12",
        "1011 #130 \"\" 50020001 0 7,93,274,26",
        "1007 #130 \"\" 50020002 0 79,26,202,8",
        "1008 #128 \"MD5\" 50021309 1000 117,10,35,14",
        "1009 #128 \"SHA1\" 50001309 1000 183,10,35,14",
        "-1 #130 \"Select Hash Type ==>\" 50020200 0 9,10,81,14",
    };
    EXPECT_EQ(controls, expected);
    FreeLibrary(program);

    char  version[4096] = {};
    UINT  length = 0;
    void* value = nullptr;
    ASSERT_TRUE(GetFileVersionInfoA(program_path().c_str(), 0, sizeof version, version));
    ASSERT_TRUE(VerQueryValueA(version, "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x10000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x40004u);
    EXPECT_EQ(fixed->dwFileType, 1u);
    ASSERT_TRUE(VerQueryValueA(version, "\\VarFileInfo\\Translation", &value, &length));
    EXPECT_EQ(*static_cast<const DWORD*>(value), 0x04b00409u);
    for (const auto& [key, expected_text] :
         {std::pair<const char*, const char*>{"Comments", "Derived from public domain sources."},
          {"OriginalFilename", "tamsivel.exe"},
          {"FileVersion", "1, 0, 0, 0"},
          {"ProductVersion", "1, 0, 0, 0"}}) {
        const std::string name = std::string("\\StringFileInfo\\040904b0\\") + key;
        ASSERT_TRUE(VerQueryValueA(version, name.c_str(), &value, &length)) << key;
        EXPECT_STREQ(static_cast<const char*>(value), expected_text);
    }
}

TEST(Program, LoadsNoDllFromItsOwnFolder) {
    const HMODULE planted = LoadLibraryA("planted.dll");
    EXPECT_NE(planted, nullptr);
    FreeLibrary(planted);
    limit_dll_search(nullptr, DLL_PROCESS_ATTACH, nullptr);
    EXPECT_EQ(LoadLibraryA("planted.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

// The program as a user starts it; the file's name needs the UTF-8 code page
// that its manifest asks for.
TEST(Program, CalculatesAUnicodeNamedFileAndEndsOnEscape) {
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    const std::string    path = write_file("Проверка 校验 \xF0\x9F\x94\x91.txt", "abc");
    const StartedProgram program = start_program();
    ASSERT_NE(program.window, nullptr);
    const HWND field = GetDlgItem(program.window, IDC_FILE_PATH);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    // A message box in the program would hold a plain SendMessage for ever.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(GetDlgItem(program.window, IDC_CALCULATE), BM_CLICK, 0, 0,
                                  SMTO_ABORTIFHUNG, 10000, &answer),
              0);
    char result[64] = {};
    char count[32] = {};
    GetDlgItemTextA(program.window, IDC_HASH_TEXT, result, sizeof result);
    GetDlgItemTextA(program.window, IDC_BYTE_COUNT, count, sizeof count);
    EXPECT_STREQ(result, abc_md5);
    EXPECT_STREQ(count, "3");

    PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(end_program(program));
}

} // namespace
