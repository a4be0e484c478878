#pragma once
#include <windows.h>

// The vertical scroll bar of the information windows of both programs: a
// range of 0..kScrollLines lines of the window's text height.
constexpr int kScrollLines = 99;

// The height of a line of the system font in the window, the unit of
// scrolling; at least 1.
int systemLineHeight(HWND window);

// Sets the bar's range and the page that a client area of that height shows.
void setScrollPage(HWND window, int clientHeight, int lineHeight);

// Moves the bar as a scroll-bar request asks (the bar keeps the position in
// its range) and scrolls the client area, controls included, by the change.
// True when the position changed.
bool scrollByRequest(HWND window, int request, int lineHeight);

// Scrolls as a WM_MOUSEWHEEL message with that wParam asks: three lines for
// each notch of the wheel, down when it turns towards the user.
void scrollByWheel(HWND window, WPARAM wParam, int lineHeight);
