#include "randomiser/output/hotkey_latch.h"

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

HotkeyDecision onKeyDown(HotkeyLatch& latch, KeyPress press, bool sequencePlaying) {
    HotkeyDecision decision;
    switch (press.key) {
        case HotKey::Esc:
            decision.quit = true;
            break;
        case HotKey::Ctrl:
            latch.ctrl_latched = true;
            break;
        case HotKey::Digit:
            if (latch.ctrl_latched && !sequencePlaying) {
                latch.ctrl_latched = false;
                decision.command = press.digit;
            }
            break;
        case HotKey::Other:
            break;
    }
    return decision;
}
