#pragma once
// What the Windows shells of both programs do alike: the notification-area
// icon, pictures drawn from a memory context, window classes, the message
// loop, hiding secondary windows and bold fonts.
// Every text, id and log line that differs between the programs is a
// parameter.
#include <windows.h>

#include "common/dpi_scale.h"

// Both programs run with administrator rights from a folder the user can
// write to (often Downloads). Called first in each entry point, so the system
// DLLs that are loaded later on demand come from the system folder only,
// never from a DLL planted beside the program.
void loadDllsFromSystemFolderOnly();

// The notification-area icon of a window: its id, the message it sends to
// the window, the icon, the tip and the balloon shown when it is added.
struct TrayIconSpec {
    HWND window;
    UINT id;
    UINT callback_message;
    HICON icon;
    const wchar_t* tip;
    const wchar_t* balloon_title;
    const wchar_t* balloon_text;
};

// Adds the icon with its information balloon; false when the shell refuses.
bool addTrayIcon(const TrayIconSpec& spec);

// Frees the previous icon, when there is one, and loads the icon file at the
// size of the notification area's icons for the window's DPI (16 pixels at
// 96 DPI, 24 at 144); null, with a debug line, when it cannot be loaded.
HICON loadTrayIcon(HICON previous, const wchar_t* path, HWND window);

// Shows that icon at the window's icon of that id; false when the shell refuses.
bool setTrayIcon(HWND window, UINT id, HICON icon);

// Removes the window's icon of that id; false when the shell refuses.
bool removeTrayIcon(HWND window, UINT id);

// Shows a balloon with the title and text at the window's icon of that id,
// in place of the one shown; it takes no focus. False when the shell refuses.
bool showTrayBalloon(HWND window, UINT id, const wchar_t* title, const wchar_t* text);

// Whether the shell holds the window's icon of that id: a shell that restarts
// has lost it until it asks for it again (listenForTaskbarRestart).
bool trayIconExists(HWND window, UINT id);

// Sets the tip the window's icon of that id shows under the mouse (at most
// 127 units kept); false when the shell refuses.
bool setTrayTip(HWND window, UINT id, const wchar_t* tip);

// Registers the message the taskbar sends to top-level windows when it
// (re)starts, so the icon can be added again, and lets it through to the
// window even when the program runs elevated and the taskbar does not.
// Returns the message, 0 when it could not be registered.
UINT listenForTaskbarRestart(HWND window);

// Shows the popup menu at the cursor for the window and returns the chosen
// command, 0 when dismissed. Posts WM_NULL afterwards so that the menu
// closes properly when the user clicks elsewhere next time.
UINT runTrayMenu(HWND window, HMENU menu);

// A bitmap file selected into a memory context, ready to be drawn.
struct MemoryPicture {
    HBITMAP bitmap;
    HDC dc;
    int width;
    int height;
};

// Loads the bitmap file into a new memory context. On failure nothing stays
// held and the line for the failing step (when not null) is written to the
// debug log: noFileLine when the file does not load, noContextLine when it
// cannot be selected into a memory context.
bool loadMemoryPicture(MemoryPicture& picture, const wchar_t* path, const char* noFileLine, const char* noContextLine);

// Frees the context and the bitmap when they exist.
void releaseMemoryPicture(MemoryPicture& picture);

// Draws the whole picture to the device context at x, y, stretched (with
// halftone smoothing) by dpi / 96, as its size is given at 96 DPI. True when
// it was drawn or there is no picture to draw.
bool drawMemoryPicture(HDC dc, int x, int y, const MemoryPicture& picture, int dpi);

// Registers a window class with both programs' icons, the arrow cursor and
// the window colour behind it; menuName may be null. False, with a debug
// line, when it cannot be registered.
bool registerWindowClass(HINSTANCE instance, const wchar_t* className, const wchar_t* menuName, WNDPROC procedure);

// Fetches messages until the quit request and returns its exit code. The
// window that dialogWindow returns at each message, when not null, gets
// keyboard navigation (Tab between its controls).
int runMessageLoop(HWND (*dialogWindow)());

// The screen less the taskbar. Wine keeps the first answer a program gets:
// asked before the taskbar is up, it would say the whole screen for good. So
// it is asked once windows are opened, never at start.
PixelBox workArea();
int workAreaHeight();

// The whole screen, for a window shown at start (the splash).
PixelBox wholeScreen();

// Centres the window in the area and makes it no larger than the area.
void centreInArea(HWND window, const PixelBox& area);

// Whether the foreground window is a shown window of this program.
bool ownWindowInFront();

// Esc pressed while one of the program's own windows (a secondary window or
// an error box) is in front closes that window only, as its close box does,
// and the program lives on. True when such a window was in front.
bool closeOwnWindowInFront();

// Secondary windows are never closed or minimised by the user, only hidden:
// true when the system command was one of those and the window was hidden.
bool hideOnCloseOrMinimise(HWND window, WPARAM systemCommand);

// A bold font of the face at that point size for the window's DPI; null,
// with a debug line, when it cannot be made.
HFONT createBoldFont(HWND window, const wchar_t* face, int points, BYTE quality);

// Deletes the font when there is one and forgets it; failureLine goes to
// the debug log when the system refuses.
void releaseFont(HFONT& font, const char* failureLine);
