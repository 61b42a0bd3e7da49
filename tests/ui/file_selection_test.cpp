#include "tests/ui/dialog_harness.h"

#include "resources/resource.h"

namespace {

struct BrowseCase {
    std::string field;  // relative to the test folder unless it starts with '*'
    std::string folder; // likewise; "." is the current directory
    std::string name;   // none: handed to the Open dialog as that folder, else as one path
};

// What the program hands the Open dialog, and the pointer while it reads a
// file, caught in this program's import table.
std::string handed;
HCURSOR     pointer_while_reading;
void* const open_dialog =
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comdlg32.dll"), "GetOpenFileNameA"));
void* const read_file =
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "ReadFile"));

BOOL WINAPI note_open_dialog(OPENFILENAMEA* record) {
    const char* const folder = record->lpstrInitialDir;
    handed = record->lpstrFile + std::string(" in ") + (folder != nullptr ? folder : "no folder");
    return reinterpret_cast<decltype(&GetOpenFileNameA)>(open_dialog)(record);
}

BOOL WINAPI note_pointer(HANDLE file, void* buffer, DWORD size, DWORD* read, OVERLAPPED* at) {
    pointer_while_reading = GetCursor();
    return reinterpret_cast<decltype(&ReadFile)>(read_file)(file, buffer, size, read, at);
}

void replace_import(void* real, void* stand_in) {
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY iat = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
    auto* const                slots = reinterpret_cast<void**>(base + iat.VirtualAddress);
    DWORD                      was = 0; // newer linkers make the table read-only
    VirtualProtect(slots, iat.Size, PAGE_READWRITE, &was);
    for (void** slot = slots; slot != slots + iat.Size / sizeof *slots; ++slot)
        *slot = *slot == real ? stand_in : *slot;
}

std::string in_folder(const std::string& text) {
    if (text == ".") {
        char current[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof current, current);
        return current;
    }
    return text[0] == '*' ? text.substr(1) : test_folder() + text;
}

std::string forward_slashes(std::string text) {
    for (char& c : text) {
        c = c == '\\' ? '/' : c;
    }
    return text;
}

class BrowseSplit : public DialogTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseSplit, OpensAtTheFolderBeforeTheLastSeparator) {
    replace_import(open_dialog, reinterpret_cast<void*>(note_open_dialog));
    CreateDirectoryA((test_folder() + "sub").c_str(), nullptr);
    const BrowseCase& c = GetParam();
    set_text(IDC_FILE_PATH, in_folder(c.field));
    click(IDC_SELECT_FILE);
    const std::string folder = in_folder(c.folder);
    ASSERT_GE(log.seen.size(), 1u);
    EXPECT_EQ(log.seen[0].caption, "File:");
    EXPECT_EQ(log.seen[0].folder, folder);
    EXPECT_EQ(log.seen[0].text, c.name);
    EXPECT_EQ(text(IDC_FILE_PATH), in_folder(c.field)); // a cancel changes nothing
    EXPECT_EQ(handed, c.name.empty() ? " in " + folder : folder + "\\" + c.name + " in no folder");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BrowseSplit,
    ::testing::Values(BrowseCase{"sub\\name.txt", "sub", "name.txt"},
                      BrowseCase{"sub\\", "sub", ""}, BrowseCase{"*name.txt", ".", "name.txt"},
                      BrowseCase{"*", ".", ""}, BrowseCase{"sub/name.txt", "sub", "name.txt"},
                      BrowseCase{"*" + forward_slashes(test_folder()) + "sub/name.txt", "sub",
                                 "name.txt"}));

TEST_F(DialogTest, CancelledBrowseStillCalculatesThePathInTheField) {
    set_text(IDC_FILE_PATH, "");
    click(IDC_SELECT_FILE);
    const std::string abc = write_file("abc.txt", "abc");
    set_text(IDC_FILE_PATH, abc);
    click(IDC_SELECT_FILE);
    ASSERT_EQ(log.seen.size(), 3u);
    EXPECT_EQ(log.seen[1].text, "Can not read file");
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
}

TEST_F(DialogTest, ChosenFileGoesIntoTheFieldAndIsCalculatedWithTheSelectedType) {
    log.choose = write_file("選んだ.txt", "abc");
    click(IDC_SHA1);
    click(IDC_SELECT_FILE);
    EXPECT_EQ(text(IDC_FILE_PATH), log.choose);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_sha1);
    EXPECT_EQ(log.seen.size(), 1u);
}

// The current directory is in use: the folder browsed into could not be removed.
TEST_F(DialogTest, BrowsingLeavesTheCurrentDirectoryAsItWas) {
    const std::string before = in_folder("."), own = test_folder() + "own";
    CreateDirectoryA(own.c_str(), nullptr);
    log.choose = write_file(own + "\\abc.txt", "abc");
    set_text(IDC_FILE_PATH, log.choose); // where the Open dialog starts
    click(IDC_SELECT_FILE);
    EXPECT_EQ(in_folder("."), before);
}

bool released(HDROP drop) {
    return GlobalSize(drop) == 0;
}

// The busy pointer only while the file is read, then the one from before.
TEST_F(DialogTest, OneDroppedFileIsCalculatedUnderTheBusyPointer) {
    replace_import(read_file, reinterpret_cast<void*>(note_pointer));
    const HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    SetCursor(hand);
    const std::string path = write_file("капля.txt", "abc");
    const HDROP       drop = make_drop({path});
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(pointer_while_reading, LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(GetCursor(), hand);
    EXPECT_EQ(text(IDC_FILE_PATH), path);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    EXPECT_EQ(text(IDC_BYTE_COUNT), "3");
    EXPECT_TRUE(released(drop));
}

TEST_F(DialogTest, DroppedFolderIsNamedThenReportedUnreadable) {
    const std::string folder = test_folder() + "sub";
    CreateDirectoryA(folder.c_str(), nullptr);
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop({folder})), 0);
    EXPECT_EQ(text(IDC_FILE_PATH), folder);
    ASSERT_EQ(log.seen.size(), 1u);
    EXPECT_EQ(log.seen[0].text, "Can not read file");
}

// Both refusals must leave the last result standing and still release the drop.
TEST_F(DialogTest, SeveralFilesOrAnOverlongPathChangeNoField) {
    const std::string abc = write_file("abc.txt", "abc");
    set_text(IDC_FILE_PATH, abc);
    click(IDC_CALCULATE);

    const HDROP two = make_drop({abc, write_file("other.txt", "other")});
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(two), 0);
    // 260 bytes do not fit the 260-byte buffer with its terminator.
    const HDROP long_path =
        make_drop({test_folder() + std::string(260 - test_folder().size(), 'n')});
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(long_path), 0);

    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_EQ(log.seen[0].caption, "tamsivel");
    EXPECT_EQ(log.seen[0].text, "One dropped file at a time please.");
    EXPECT_EQ(log.seen[0].icon, 'E');
    EXPECT_EQ(log.seen[1].text, "Can not read file");
    EXPECT_EQ(text(IDC_FILE_PATH), abc);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    EXPECT_EQ(text(IDC_BYTE_COUNT), "3");
    EXPECT_TRUE(released(two));
    EXPECT_TRUE(released(long_path));
}

} // namespace
