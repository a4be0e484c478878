#pragma once
// The randomiser's hotkeys and the commands they start.
#include "common/hotkey_latch.h"

// Whether the keyboard hook may be installed anew now: not while a sequence
// types, as its own keystrokes pass through it.
bool mayRenewHook();

// A hotkey the hook posted: Esc pressed twice within a second quits (one Esc
// stops the typing, or closes the randomiser's own window in front); a digit
// runs its command once Ctrl is released.
void handleHotkey(Hotkey hotkey);
