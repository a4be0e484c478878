#pragma once
// Windows laid out for the DPI of the display they are on. The programs are
// per-monitor DPI aware (their manifests say so): every place and size in
// their tables is given at 96 DPI and scaled here by the window's DPI / 96.
// A window moved to a display of another DPI takes the rectangle the system
// suggests and its controls and their fonts are scaled again.
#include <windows.h>

// The length given at 96 DPI, in pixels of the window's display.
int scaledForWindow(HWND window, int value);

// Creates a top-level window of the given size at 96 DPI, sized for the DPI
// of the display it is on; x and y are screen places, as CreateWindowExW
// takes them. Null when it cannot be made.
HWND createScaledWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                        int width, int height, HINSTANCE instance);

// Gives a control made for the window's DPI a font for it: where that is not
// the system's DPI, the control gets a copy of its font (the system font when
// it has none) scaled to the window's DPI.
void fitControlFont(HWND control);

// To be called first by the procedure of every window made by
// createScaledWindow. WM_DPICHANGED: scales the controls' places, sizes and
// fonts to the new DPI and moves the window to the suggested rectangle; true.
// WM_DESTROY: frees the fonts made for the controls; false, so that the
// procedure goes on. Any other message: false.
bool handleDpiMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
