#pragma once
// Whether a window fills its whole monitor, as a game played full screen
// does: the editor's hotkeys rest while such a window of another program is
// in front (Ctrl+2, Ctrl+4 and Ctrl+5 are a game's control groups too).

// A rectangle of the virtual screen, as Windows gives it: right and bottom
// are one past the last pixel.
struct ScreenRect {
    long left;
    long top;
    long right;
    long bottom;
};

// True when the window's rectangle reaches every edge of its monitor's
// (a window larger than its monitor, its borders off the screen, covers it
// too).
bool coversMonitor(const ScreenRect& window, const ScreenRect& monitor);
