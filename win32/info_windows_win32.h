#pragma once
// The two secondary windows that only inform, alike in both programs: the
// tooltip window, a heading and lines of hotkeys and hints that scroll, and
// the credits window, the program's version and who made it. Each program
// gives its own texts, ids, place and size.
#include <cstddef>

#include "win32/control_table_win32.h"
#include "win32/secondary_window_win32.h"

// The tooltip window: the heading is the first row of the table, in the
// heading font; the lines after it are made as tall as their texts need, one
// below the other from the first line's place.
struct TooltipWindow {
    int width;  // at 96 DPI; it opens at a third of the screen
    int height;
    const ControlSpec* rows;
    size_t rowCount;
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
    WindowPlace place;
    int width;  // at 96 DPI
    int height;
    const wchar_t* makers;
    const CreditEntry* entries;
    size_t entryCount;
};

// Opens the credits window in front with the focus; false when it cannot be
// made (the error box says why).
bool openCreditsWindow(const CreditsWindow& window);
