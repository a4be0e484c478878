#pragma once
#include "common/hotkey_keys.h"

// The Ctrl latch: set by a Ctrl key-down, cleared only when a command starts.
struct HotkeyLatch {
    bool ctrl_latched = false;
};

struct HotkeyDecision {
    bool quit = false;
    int command = 0;  // 1..9 when a command starts, else 0
};

// What a key-down means. Esc always quits. A digit after a latched Ctrl starts
// its command and clears the latch, unless a typing sequence is still playing:
// then the digit is ignored and the latch is left as it is.
HotkeyDecision onKeyDown(HotkeyLatch& latch, KeyPress press, bool sequencePlaying);
