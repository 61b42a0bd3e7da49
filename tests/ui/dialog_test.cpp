#include "tests/ui/dialog_harness.h"

#include <oleacc.h>

#include "resources/resource.h"
#include "ui/commands.h"
#include "ui/main_dialog.h"

namespace {

using Seen = std::vector<SeenWindow>;

const SeenWindow unreadable{"error", "Can not read file", "", 'E'};

TEST_F(DialogTest, OpensWithMd5SelectedEmptyFieldsAndFocusOnSelectFile) {
    EXPECT_TRUE(checked(IDC_MD5));
    EXPECT_FALSE(checked(IDC_SHA1));
    for (int field : {IDC_FILE_PATH, IDC_HASH_TEXT, IDC_EXPECTED_HASH, IDC_BYTE_COUNT}) {
        EXPECT_EQ(text(field), "") << field;
    }
    const std::string credits = text(IDC_CREDITS);
    EXPECT_EQ(credits.substr(credits.rfind("\r\n")), "\r\nRFC 3174,  RFC 1321, FIPS PUB 180-1");
    EXPECT_EQ(credits.find("\r\n"), credits.rfind("\r\n", credits.rfind("\r\n") - 1));
    EXPECT_EQ(focused(), IDC_SELECT_FILE);
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(dialog));
}

// What a screen reader announces on entering each field.
TEST_F(DialogTest, ScreenReadersNameEachField) {
    CoInitialize(nullptr);
    for (const auto& [field, name] :
         {std::pair<int, const wchar_t*>{IDC_FILE_PATH, L"File to hash"},
          {IDC_HASH_TEXT, L"Calculated hash"},
          {IDC_EXPECTED_HASH, L"Expected hash"}}) {
        IAccessible* object = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(GetDlgItem(dialog, field), OBJID_CLIENT,
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR read = nullptr;
        EXPECT_EQ(object->get_accName(self, &read), S_OK);
        EXPECT_STREQ(read, name);
        SysFreeString(read);
        object->Release();
    }
    CoUninitialize();
}

TEST_F(DialogTest, FieldsStopAtTheirLimitsAndTheExpectedFieldLowersLetters) {
    type(IDC_FILE_PATH, 'p', 300);
    EXPECT_EQ(text(IDC_FILE_PATH), std::string(260, 'p'));
    type(IDC_EXPECTED_HASH, 'A', 50);
    EXPECT_EQ(text(IDC_EXPECTED_HASH), std::string(44, 'a'));
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_HASH_TEXT, EM_GETLIMITTEXT, 0, 0), 44);
}

TEST_F(DialogTest, ArrowKeysKeepToTheTypeButtonsAndChooseAsTheyGo) {
    press_key(IDC_MD5, VK_UP);
    EXPECT_EQ(focused(), IDC_SHA1);
    EXPECT_TRUE(checked(IDC_SHA1));
    press_key(IDC_SHA1, VK_DOWN);
    EXPECT_EQ(focused(), IDC_MD5);
    EXPECT_TRUE(checked(IDC_MD5));
}

TEST_F(DialogTest, CalculatesWithTheCheckedTypeAndClearsOnTypeChange) {
    set_text(IDC_FILE_PATH, write_file("thousand.bin", std::string(1000, 'x')));
    click(IDC_CALCULATE);
    EXPECT_EQ(text(IDC_HASH_TEXT), "398533d48111e9f664b1f64cb10c4b63");
    EXPECT_EQ(text(IDC_BYTE_COUNT), "1000");

    set_text(IDC_EXPECTED_HASH, "kept");
    click(IDC_SHA1);
    EXPECT_TRUE(checked(IDC_SHA1));
    EXPECT_FALSE(checked(IDC_MD5));
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
    EXPECT_EQ(text(IDC_BYTE_COUNT), "");
    EXPECT_EQ(text(IDC_EXPECTED_HASH), "kept");

    click(IDC_CALCULATE);
    EXPECT_EQ(text(IDC_HASH_TEXT), "c3efa690 fa3fdd2e 2526853e ed670538 ea127638");
    EXPECT_TRUE(log.seen.empty());
}

TEST_F(DialogTest, EnterCalculatesFromEitherEditField) {
    set_text(IDC_FILE_PATH, write_file("abc.txt", "abc"));
    press_key(IDC_FILE_PATH, VK_RETURN);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    select_hash_type(dialog, IDC_SHA1);
    press_key(IDC_EXPECTED_HASH, VK_RETURN);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_sha1);
    EXPECT_EQ(text(IDC_BYTE_COUNT), "3");
}

// Explorer's "Copy as path" puts quotes around the path, which no name holds.
TEST_F(DialogTest, PathInQuotesNamesTheFileWithinThem) {
    const std::string path = write_file("with blanks.txt", "abc");
    set_text(IDC_FILE_PATH, "\"" + path + "\"");
    click(IDC_SELECT_FILE);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    set_text(IDC_FILE_PATH, "\"" + path);
    click(IDC_CALCULATE);
    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_EQ(log.seen[0].text, "with blanks.txt");
    EXPECT_EQ(log.seen[1], unreadable);
}

TEST_F(DialogTest, UnreadablePathShowsTheErrorAndLeavesResultsEmpty) {
    set_text(IDC_FILE_PATH, write_file("abc.txt", "abc"));
    click(IDC_CALCULATE);
    set_text(IDC_FILE_PATH, test_folder() + "missing.txt");
    click(IDC_CALCULATE);
    set_text(IDC_FILE_PATH, test_folder());
    click(IDC_CALCULATE);
    set_text(IDC_FILE_PATH, "");
    click(IDC_CALCULATE);
    EXPECT_EQ(log.seen, Seen(3, unreadable));
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
    EXPECT_EQ(text(IDC_BYTE_COUNT), "");
}

TEST_F(DialogTest, PathFieldFocusOrChangeEmptiesTheResults) {
    set_text(IDC_FILE_PATH, write_file("abc.txt", "abc"));
    click(IDC_CALCULATE);
    SetFocus(GetDlgItem(dialog, IDC_FILE_PATH));
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
    click(IDC_CALCULATE);
    type(IDC_FILE_PATH, 'x', 1);
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
    EXPECT_EQ(text(IDC_BYTE_COUNT), "");
}

void activate(HWND window) {
    SetForegroundWindow(window);
    pump_messages();
}

// A real click, so that it activates the window first when that is inactive.
void click_into(HWND control) {
    RECT box;
    GetWindowRect(control, &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, press, sizeof(INPUT));
    pump_messages();
}

// The focus that the window gives back on coming back is no move into the
// path field; a click into the field that brings the window back is one.
TEST_F(DialogTest, ComingBackToTheWindowKeepsTheResult) {
    const std::string abc = write_file("abc.txt", "abc");
    set_text(IDC_FILE_PATH, abc);
    press_key(IDC_FILE_PATH, VK_RETURN);
    const HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    activate(other);
    activate(dialog);
    EXPECT_EQ(focused(), IDC_FILE_PATH);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    press_key(IDC_FILE_PATH, VK_RETURN); // a message box closing gives the focus back too
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop({abc, abc})), 0);
    pump_messages();
    EXPECT_EQ(log.seen.size(), 1u);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    EXPECT_EQ(text(IDC_BYTE_COUNT), "3");

    activate(other);
    click_into(GetDlgItem(dialog, IDC_EXPECTED_HASH));
    EXPECT_EQ(focused(), IDC_EXPECTED_HASH);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);
    press_key(IDC_SELECT_FILE, VK_TAB);
    EXPECT_EQ(focused(), IDC_FILE_PATH);
    EXPECT_EQ(text(IDC_HASH_TEXT), "");

    press_key(IDC_FILE_PATH, VK_RETURN);
    activate(other);
    click_into(GetDlgItem(dialog, IDC_FILE_PATH));
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
    DestroyWindow(other);
}

// The digest is the program's output: Tab stops there and selects it all for Ctrl+C.
TEST_F(DialogTest, TabStopsAtTheDigestForCopyingThenGoesOnInTemplateOrder) {
    set_text(IDC_FILE_PATH, write_file("abc.txt", "abc"));
    click(IDC_CALCULATE);
    press_key(IDC_CALCULATE, VK_TAB);
    EXPECT_EQ(focused(), IDC_HASH_TEXT);
    type(IDC_HASH_TEXT, '\x03', 1); // Ctrl+C, as TranslateMessage hands it on
    ASSERT_TRUE(OpenClipboard(dialog));
    EXPECT_STREQ(static_cast<const char*>(GetClipboardData(CF_TEXT)), abc_md5);
    CloseClipboard();
    for (int next : {IDC_COMPARE, IDC_EXPECTED_HASH, IDC_MD5, IDC_SELECT_FILE, IDC_FILE_PATH}) {
        press_key(focused(), VK_TAB);
        EXPECT_EQ(focused(), next);
    }
}

// Focused by a click, not by the dialog manager, a button is not the default one.
TEST_F(DialogTest, EnterPressesTheFocusedButton) {
    set_text(IDC_FILE_PATH, write_file("abc.txt", "abc"));
    press_key(IDC_COMPARE, VK_RETURN);
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
    press_key(IDC_SELECT_FILE, VK_RETURN);
    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_EQ(log.seen[0].caption, "Oops");
    EXPECT_EQ(log.seen[1].caption, "File:");
}

TEST_F(DialogTest, CompareShowsEachVerdictAndMovesTheFocus) {
    click(IDC_COMPARE);
    EXPECT_EQ(focused(), IDC_EXPECTED_HASH);
    set_text(IDC_EXPECTED_HASH, abc_md5);
    click(IDC_COMPARE);
    EXPECT_EQ(focused(), IDC_SELECT_FILE);

    set_text(IDC_FILE_PATH, write_file("abc.txt", "abc"));
    click(IDC_CALCULATE);
    SetFocus(GetDlgItem(dialog, IDC_COMPARE));
    click(IDC_COMPARE);
    set_text(IDC_EXPECTED_HASH, "");
    type(IDC_EXPECTED_HASH, 'F', 32);
    click(IDC_COMPARE);
    EXPECT_EQ(focused(), IDC_COMPARE);

    const Seen expected{
        {"Oops", "Please enter a text string to compare\nto the calculated hash value.\n", "", 'I'},
        {"Oops",
         "The Calculated hash field is blank.\nSelect a file to calculate the hash\n then try "
         "again",
         "", 'I'},
        {"Compare hash", "hash value match OK", "", '-'},
        {"Compare hash", "HASH NOT EQUAL", "", '-'},
    };
    EXPECT_EQ(log.seen, expected);
}

TEST_F(DialogTest, EscapeClosesTheDialogAndPostsQuit) {
    press_key(IDC_EXPECTED_HASH, VK_ESCAPE);
    MSG  message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        quit = quit || message.message == WM_QUIT;
        DispatchMessageA(&message);
    }
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(quit);
}

// A path of 260 characters can take more than 260 bytes; cut to fit, it
// would name the 260-byte file in front of it.
TEST_F(DialogTest, PathLongerThanTheBufferIsRefusedNotCut) {
    const std::string folder = test_folder();
    std::string       name = (260 - folder.size()) % 2 ? "x" : "";
    while (folder.size() + name.size() < 260) {
        name += "ж";
    }
    const std::string fitting = write_file(folder + name, "abc");
    ASSERT_EQ(fitting.size(), 260u);
    set_text(IDC_FILE_PATH, fitting);
    click(IDC_CALCULATE);
    EXPECT_EQ(text(IDC_HASH_TEXT), abc_md5);

    set_text(IDC_FILE_PATH, fitting + "жжжж");
    click(IDC_CALCULATE);
    click(IDC_SELECT_FILE); // must not open the Open dialog at the cut path either
    EXPECT_EQ(log.seen, Seen(2, unreadable));
    EXPECT_EQ(text(IDC_HASH_TEXT), "");

    // Nor take a path chosen there cut, nor go on with the field's after refusing it.
    const std::string abc = write_file("abc.txt", "abc");
    set_text(IDC_FILE_PATH, abc);
    log.choose = write_file(fitting + "жж", "longer");
    click(IDC_SELECT_FILE);
    EXPECT_EQ(log.seen.size(), 4u);
    EXPECT_EQ(log.seen.back(), unreadable);
    EXPECT_EQ(text(IDC_FILE_PATH), abc);
    EXPECT_EQ(text(IDC_HASH_TEXT), "");
}

TEST(ByteCount, ShowsEveryBitOfA64BitCount) {
    char text[byte_count_size];
    EXPECT_STREQ(format_byte_count(text, 0), "0");
    EXPECT_STREQ(format_byte_count(text, 4294967306u), "4294967306");
    EXPECT_STREQ(format_byte_count(text, UINT64_MAX), "18446744073709551615");
}

} // namespace
