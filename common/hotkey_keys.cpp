#include "common/hotkey_keys.h"

KeyPress classifyKey(unsigned virtualKey) {
    KeyPress press;
    if (virtualKey == kVkControl || virtualKey == kVkLeftControl || virtualKey == kVkRightControl) {
        press.key = HotKey::Ctrl;
    } else if (virtualKey == kVkEscape) {
        press.key = HotKey::Esc;
    } else if (virtualKey >= '1' && virtualKey <= '9') {
        press.key = HotKey::Digit;
        press.digit = static_cast<int>(virtualKey - '0');
    }
    return press;
}
