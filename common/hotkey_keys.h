#pragma once

// The keys both programs listen for, told apart by virtual-key code so that
// they work with every keyboard layout. Synthetic keystrokes arrive as
// VK_PACKET or VK_RETURN and are Other keys.
enum class HotKey { Other, Ctrl, Esc, Digit };

struct KeyPress {
    HotKey key = HotKey::Other;
    int digit = 0;  // 1..9 for HotKey::Digit
};

// Windows virtual-key codes, as numbers so that portable code can name them.
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkLeftControl = 0xA2;
constexpr unsigned kVkRightControl = 0xA3;

// Classifies a key-down by its virtual-key code: either Ctrl key, Esc, or a
// top-row digit '1'..'9'.
KeyPress classifyKey(unsigned virtualKey);
