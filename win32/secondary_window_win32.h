#pragma once
// The secondary windows of a program (input, rule text, rule selection,
// tooltip and credits windows): one at a time, all of one class and titled
// with the program's title. Opening one closes the one open. Each is
// described by a SecondaryWindow: its size, its controls from a table, its
// heading in the heading font, scrolling with the scroll bar and the mouse
// wheel, a picture painted in it. Each opens centred in the screen less the
// taskbar. Places and sizes are given at 96 DPI and made for the window's
// DPI. Closing or minimising one only hides it. Once it has closed, the
// window of another program that had the focus before it came up (the
// game's chat) has it again.
#include <windows.h>

#include <cstddef>
#include <string>

#include "win32/control_table_win32.h"

// A picture painted in the window at a place given at 96 DPI, scrolled with
// the controls. The window shows without it when it cannot be loaded.
struct WindowPicture {
    const wchar_t* path;
    const char* no_file_line;  // the debug line when the file does not load
    int x;
    int y;
};

// One secondary window. The fields after the controls may be left out.
struct SecondaryWindow {
    int width;  // of the whole window, at 96 DPI
    int height;
    const ControlSpec* controls;
    size_t control_count;
    int heading_id = 0;                      // the control that gets the heading font, 0 for none
    bool red_heading = false;                // the heading's text drawn in red
    bool scrolling = false;                  // a vertical scroll bar, and the mouse wheel scrolls
    const WindowPicture* picture = nullptr;  // kept while the window is open; null for none
    int default_button = 0;                  // the button Enter in a field presses, 0 for none
    // The notifications of the window's controls (WM_COMMAND); null for none.
    void (*on_command)(int id, int notification, HWND control) = nullptr;
    // The brush an edit control of that id is drawn on, with its text colours
    // set in dc; null for the system's.
    HBRUSH (*edit_colours)(HDC dc, int id) = nullptr;
};

// Registers the class of the program's secondary windows. Each is titled
// title; its heading gets a bold font of headingFace at 24 points; showError
// shows the program's error box when a window cannot be made (the texts are
// kept, not copied). False, with a debug line, when the class cannot be
// registered.
bool registerSecondaryWindows(HINSTANCE instance, const wchar_t* className, const wchar_t* title,
                              const wchar_t* headingFace, void (*showError)(const wchar_t* text));

// The title every secondary window has.
const wchar_t* secondaryWindowTitle();

// Closes the open secondary window and makes this one, hidden, with its
// controls, centred in the screen less the taskbar and no larger than it. False when it or one
// of its controls cannot be made: nothing of it stays and the error box says
// why.
bool createSecondaryWindow(const SecondaryWindow& window);

// Shows the secondary window in front with the focus.
void presentSecondaryWindow();

// The open secondary window, shown or hidden; null when none is open.
HWND secondaryWindow();

// The text of the open window's control of that id, and setting it.
std::wstring secondaryControlText(int id);
void setSecondaryControlText(int id, const wchar_t* text);

// Makes each of the labels of the open window, one below the other from the
// first one's place, as tall as its text needs (at least its row's height),
// so that no text is cut.
void fitLabelsToText(const ControlSpec* labels, size_t count);

void closeSecondaryWindow();

// At shutdown: the open window, its picture and the heading font.
void releaseSecondaryWindows();
