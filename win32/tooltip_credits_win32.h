#pragma once
// The two secondary windows that only inform, alike in both programs: the
// tooltip window, a heading and lines of hotkeys and hints that scroll, and
// the credits window, the program's version and who made it. Each program
// gives its own texts, ids, place and size.
#include <cstddef>

#include "win32/secondary_window_win32.h"

// One line of the tooltip window: its label's id and its text.
struct TooltipLine {
    int id;
    const wchar_t* text;
};

// The tooltip window: the heading, in the heading font, then the lines, one
// below the other from lines_top, each label as tall as its text needs (at
// least two lines of it). The window scrolls to the lower ones.
struct TooltipWindow {
    int width;  // at 96 DPI; it opens at a third of the screen
    int height;
    int heading_id;
    const wchar_t* heading;
    const TooltipLine* lines;
    size_t line_count;
    int lines_top;                 // at 96 DPI
    const WindowPicture* picture;  // between the heading and the lines; null for none
};

// Opens the tooltip window in front with the focus; false when it cannot be
// made (the error box says why).
bool openTooltipWindow(const TooltipWindow& window);

// One entry of the credits: a name and what they did.
struct CreditEntry {
    const wchar_t* name;
    const wchar_t* text;
};

// The credits window: the heading "Credits" in red, "<title> - Version
// <version>" with the makers' line below it, and the entries, a bordered box
// each for the name and for the text; the window scrolls to the lower ones.
struct CreditsWindow {
    int width;  // at 96 DPI
    int height;
    const wchar_t* makers;
    const CreditEntry* entries;
    size_t entry_count;
};

// Opens the credits window in front with the focus; false when it cannot be
// made (the error box says why).
bool openCreditsWindow(const CreditsWindow& window);
