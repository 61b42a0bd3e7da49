// Drives the real dialog in the test thread: creates it from the template
// with the program's own dialog procedure, presses its controls, and answers
// the message boxes and Open dialogs it raises through a CBT hook, noting
// what each one showed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

struct SeenWindow {
    std::string caption;
    std::string text;   // a message box's text, or the Open dialog's file name
    std::string folder; // the Open dialog's folder; empty for a message box
    char        icon;   // 'E' error, 'I' information, '-' none
};

inline bool operator==(const SeenWindow& a, const SeenWindow& b) {
    return a.caption == b.caption && a.text == b.text && a.folder == b.folder && a.icon == b.icon;
}

inline void PrintTo(const SeenWindow& seen, std::ostream* out) {
    *out << "{" << seen.caption << " | " << seen.text << " | " << seen.folder << " | " << seen.icon
         << "}";
}

struct WindowLog {
    std::vector<SeenWindow> seen;
    std::string             choose; // what the next Open dialog chooses; empty cancels it
    HWND                    dialog = nullptr;
};

class DialogTest : public ::testing::Test {
protected:
    HWND      dialog = nullptr;
    WindowLog log;

    void SetUp() override;
    void TearDown() override;

    std::string text(int identifier) const;
    void        set_text(int identifier, const std::string& value) const;
    void        click(int identifier) const;
    // A key as the dialog manager sees it while the control has the focus.
    void press_key(int identifier, WPARAM key) const;
    void type(int identifier, char character, int times) const;
    bool checked(int identifier) const;
    int  focused() const;

private:
    HHOOK hook = nullptr;
};

// Runs what the dialog's message loop would run by now.
void pump_messages();

// Files live in one folder of the temporary directory; names are UTF-8.
std::string  test_folder();
std::string  write_file(const std::string& name, const std::string& contents);
std::wstring wide(const std::string& utf8);

// tamsivel.exe beside the running program, started as a user starts it;
// window is its dialog, or null when none showed.
struct StartedProgram {
    PROCESS_INFORMATION process;
    HWND                window;
};
std::string    program_path();
StartedProgram start_program();
// Waits for the program to end, ends it if it does not; true if it ended by itself.
bool end_program(const StartedProgram& program);

// A drop as the shell hands it over: wide paths in one moveable block.
HDROP make_drop(const std::vector<std::string>& paths);

constexpr char abc_md5[] = "900150983cd24fb0d6963f7d28e17f72";
constexpr char abc_sha1[] = "a9993e36 4706816a ba3e2571 7850c26c 9cd0d89d";
