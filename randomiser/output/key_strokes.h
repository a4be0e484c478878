#pragma once
#include <functional>
#include <string>
#include <vector>

#include "common/hotkey_latch.h"

// The key presses that type a character "with real keys": what a keyboard
// makes, so that games that read key codes or raw input get the text. The
// keyboard layout's answer is handed in as data; the shell asks the layout of
// the window that has the focus and sends the key events.

// Shift state bits of the layout's answer, as the system gives them.
constexpr unsigned kShiftStateShift = 1;
constexpr unsigned kShiftStateCtrl = 2;
constexpr unsigned kShiftStateAlt = 4;
constexpr unsigned kShiftStateAltGr = kShiftStateCtrl | kShiftStateAlt;

// Windows virtual-key codes that the strokes use.
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkShift = 0x10;

// Games that poll the keyboard once a frame miss shorter presses.
constexpr int kKeyHoldMs = 20;

// The layout's key for a character: its virtual-key code and the shift state
// bits it needs; found is false when the layout has no key for it. A dead key
// (an accent that waits for the next key) is marked so.
struct LayoutKey {
    bool found = false;
    unsigned virtual_key = 0;
    unsigned shift_state = 0;
    bool dead = false;
};

// What one key of the layout types with a shift state, as the system
// answers it: its characters (none when it types nothing), and whether it is
// a dead key.
struct KeyText {
    std::wstring text;
    bool dead = false;
};

// Asks the layout what the virtual key types with the shift state bits.
using KeyTextOf = std::function<KeyText(unsigned virtualKey, unsigned shiftState)>;

// The layout's key for a character. The system's answer (VkKeyScanEx) is
// taken when its key types the character; otherwise the first key of the main
// block (space, digits, letters, punctuation) that types it, looked for with
// no modifier, then Shift, AltGr and Shift+AltGr. The system's answer can
// miss: under Wine it names no key for "(" and ")", which the X keymap also
// holds on keys of their own that Windows has no virtual key for, though
// Shift+9 and Shift+0 type them. When no key types it, the system's answer
// stands.
LayoutKey keyThatTypes(wchar_t unit, const LayoutKey& answer, const KeyTextOf& keyTextOf);

// One key event to send: the key goes down or up, and the sequence waits
// hold_ms afterwards before the next event.
struct KeyStroke {
    unsigned virtual_key = 0;
    bool up = false;
    int hold_ms = 0;
};

// The events that type a character with the layout's key for it: Shift down
// when it needs Shift, right Alt down when it needs AltGr (Ctrl+Alt), the key
// down, held, and up, then the modifiers up. Empty when the character must go
// as a Unicode keystroke instead: no key for it, a key that needs Ctrl or Alt
// alone (or more than Shift and AltGr), or a dead key.
std::vector<KeyStroke> realKeyStrokes(const LayoutKey& key);

// The events of the Enter key: down, held, up.
std::vector<KeyStroke> enterStrokes();
