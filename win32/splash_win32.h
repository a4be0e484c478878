#pragma once
// The splash: each program's main window shows a picture for a few seconds
// after start, then hides. One splash per program.
#include <windows.h>

// Loads the picture; false, with the line for the failing step in the debug
// log, when it cannot be loaded or made ready for drawing.
bool loadSplash(const wchar_t* path, const char* noFileLine, const char* noContextLine);

// Shows the window with the picture, in front and centred on the screen, and
// hides it after ms.
// takeFocus makes it the active window; else the focus stays where it is.
// onHidden, when not null, runs once the splash has hidden. False, with a
// debug line, when the timer cannot be started.
bool showSplash(HWND window, UINT ms, bool takeFocus, void (*onHidden)());

// Draws the picture for WM_PAINT of the window; when it cannot be drawn,
// says so in the debug log and ends the program.
void paintSplash(HWND window);

// Hides the splash now (Alt+F4 on it, or its time is up): the timer stops,
// the window hides without taking the focus, the picture is freed, and
// onHidden runs the first time.
void hideSplash();

// Frees the picture and stops the timer, when they still exist; the window
// stays as it is.
void releaseSplash();
