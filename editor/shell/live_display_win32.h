#pragma once
// The live display: a window of its own beside the secondary windows that
// shows PlayerData.txt as the editor holds it, made hidden at start and kept
// until the program ends.

// Makes the window, hidden; false when it or its labels cannot be made (the
// error box says why).
bool createLiveDisplay();

// The contents shown; the window grows when they need more room.
void setLiveDisplayText(const wchar_t* text);

// Shown in front, or hidden.
void showLiveDisplay();
void hideLiveDisplay();

// At shutdown: the window and its fonts.
void destroyLiveDisplay();
