#pragma once
// The tray program that both programs are: one running copy; a main window
// whose splash picture shows for five seconds at start and then hides; the
// notification-area icon with its balloon, tip and menu; the secondary
// windows (secondary_window_win32.h); the message loop, with Tab and Enter
// working in the open secondary window; the orderly shutdown. The keyboard
// hook posts the hotkeys to the main window (keyboard_hook_win32.h). Each
// program describes what is its own in a TrayProgram. The window title and
// class come from the program's string table (IDS_APP_TITLE,
// IDS_WINDOW_CLASS); the secondary windows have the same title.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "common/hotkey_latch.h"

// The message the tray icon sends to the main window.
constexpr UINT kTrayMessage = WM_APP + 2;

// The main window's splash.
struct TraySplash {
    const wchar_t* path;  // the picture
    // A splash that takes the focus comes up as the active window, and closing
    // it ends the program. One that does not is topmost without a taskbar
    // button, leaves the focus where it is when it shows or is clicked, and
    // closing it only hides it.
    bool takes_focus;
    void (*after_splash)();  // once it has gone
};

// The notification-area icon.
struct TrayIconLook {
    UINT id;
    const wchar_t* path;           // the icon file
    const wchar_t* tip;            // also the title of the notes' balloons
    const wchar_t* balloon_title;  // of the balloon shown when the icon is added
    std::wstring (*balloon)();     // its text, asked each time the icon is added
};

// A row of the tray menu and what choosing it does.
struct TrayMenuRow {
    const wchar_t* text;
    void (*choose)();
};

// A row the program adds below the fixed ones each time the menu opens.
struct AddedMenuRow {
    std::wstring text;
    bool checked;
};

// The tray menu, opened by a right click on the icon.
struct TrayMenu {
    const TrayMenuRow* rows;
    size_t row_count;
    // The rows to add, asked each time the menu opens, and what choosing the
    // row at that place among them does; null for none.
    std::vector<AddedMenuRow> (*added_rows)() = nullptr;
    void (*choose_added)(size_t row) = nullptr;
    // Whether the menu may open now; null for always.
    bool (*may_open)() = nullptr;
};

struct TrayProgram {
    const wchar_t* name;  // as the host knows it: the title of the box a second copy shows
    const wchar_t* mutex_name;
    const wchar_t* secondary_class;  // the class of the secondary windows
    const wchar_t* heading_face;     // the font of their headings
    TraySplash splash;
    TrayIconLook icon;
    TrayMenu menu;
    // The program's own start before its windows: false ends the program with
    // exitCode, once the program has said why.
    bool (*prepare)(int& exitCode);
    // With the main window made and the splash shown, before the icon is
    // added: false ends the program (see showRunFailure).
    bool (*start)();
    void (*on_hotkey)(Hotkey hotkey);
    void (*release)();  // first in the orderly shutdown
    // Whether this run may run beside the copy that runs (one that only
    // records something, with no hotkeys); null for never.
    bool (*beside_running_copy)() = nullptr;
};

// The whole life of the program: one running copy (a second one says that
// the program runs, and ends with 0, unless it may run beside the first, when
// it neither asks for nor holds the one copy's place), the window classes, prepare, the main
// window with its splash, start, the icon, the message loop until a quit and
// the shutdown. Returns the exit code.
int runTrayProgram(HINSTANCE instance, const TrayProgram& program);

// For a run that only says something, from prepare: the main window made but
// never shown, no splash and no start, and the icon with the note as its
// balloon; returns once the balloon has closed (10 s at most), after the
// shutdown.
void showNoteUntilSeen(const std::wstring& note);

// The main window, which the keyboard hook posts to.
HWND trayMainWindow();

// The error box, in front of the program's windows with the focus (see
// showFrontBox).
void showProgramError(const wchar_t* text);

// The box of a start that fails, with this run's debug lines and where
// debug.txt is, unless the program showed an error box already.
void showRunFailure();

// A balloon at the icon, which takes no focus, titled with the tip or with
// the title given; nothing before the icon is added.
void showTrayNote(const wchar_t* text);
void showTitledTrayNote(const wchar_t* title, const wchar_t* text);

// Sets the tip the icon shows under the mouse.
void setTrayIconTip(const wchar_t* tip);

// Whether the icon is added.
bool trayIconShown();

// Ends the program's message loop: the Exit row.
void quitProgram();
