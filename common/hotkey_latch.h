#pragma once
#include <cstdint>

// The latch that turns the keyboard's events into hotkeys, the same in both
// programs. A command is Ctrl held with a digit 0..9 pressed as the first key
// after a Ctrl key-down; Esc is told apart whatever is held (esc_quit.h
// decides what it does). Keys are told apart by virtual-key code, so that
// they work with every keyboard layout; synthetic keystrokes arrive as
// VK_PACKET or real keys and count as other keys.

// Windows virtual-key codes, as numbers so that portable code can name them.
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkAlt = 0x12;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkLeftControl = 0xA2;
constexpr unsigned kVkRightControl = 0xA3;
constexpr unsigned kVkLeftAlt = 0xA4;
constexpr unsigned kVkRightAlt = 0xA5;

// Whatever a hotkey starts that types or opens a window waits first until the
// Ctrl key of the hotkey is released, so that its key-up reaches the game; a
// Ctrl key held longer than the limit is waited for no more.
constexpr int kCtrlPollMs = 20;            // how often a held Ctrl is looked at again
constexpr int kCtrlReleaseLimitMs = 3000;  // longest wait for a held Ctrl key

// What the keys pressed so far allow. The held flags follow key-downs and
// key-ups; armed is set by a Ctrl key-down and cleared by any other key-down.
struct HotkeyLatch {
    bool left_ctrl_held = false;
    bool right_ctrl_held = false;
    bool alt_held = false;
    bool armed = false;
};

// The command of Ctrl+0, the key after 9 on the keyboard (0 means none).
constexpr int kDigitZero = 10;

// What one key event starts: Esc, a command (digit 1..9, or kDigitZero), or
// nothing. The time of an Esc is the key event's (see EscMoment).
struct Hotkey {
    bool esc = false;
    int digit = 0;
    uint32_t esc_time_ms = 0;
};

// Feeds one key-down (down true) or key-up of the virtual key to the latch.
// A digit starts its command only while a Ctrl key is held, no Alt key is
// held (Ctrl+Alt is AltGr, which types characters such as '|' and '@' on many
// layouts), and no other key went down since the last Ctrl key-down. Ctrl
// held with auto-repeat sends Ctrl key-downs again and so arms the latch anew.
Hotkey onKeyEvent(HotkeyLatch& latch, unsigned virtualKey, bool down);
