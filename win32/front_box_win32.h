#pragma once
#include <windows.h>

#include "common/front_box.h"

// The windows a program's boxes may belong to, and its tray icon: each may be
// null (nothing shown yet, no secondary window open, no icon added).
struct BoxWindows {
    HWND open_window;  // the secondary window, which owns the box while shown
    HWND main_window;
    HWND tray_window;  // the window of the tray icon, when the icon is added
    UINT tray_id;
    const wchar_t* tray_title;
};

// Shows the box as planFrontBox plans it: its owner made the foreground
// window first, the box topmost and in front with the focus, and its first
// line in a balloon at the tray icon. Returns once the box is closed.
void showFrontBox(const BoxWindows& windows, BoxKind kind, const wchar_t* caption, const wchar_t* text);

// The error box of a failure that ends the program: caption "Error", this
// run's debug lines and the hint "See debug.txt in <working folder>".
void showRunFailureBox(const BoxWindows& windows);
