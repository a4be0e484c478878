#include "common/hotkey_latch.h"

namespace {

bool isCtrl(unsigned virtualKey) {
    return virtualKey == kVkControl || virtualKey == kVkLeftControl || virtualKey == kVkRightControl;
}

bool isAlt(unsigned virtualKey) {
    return virtualKey == kVkAlt || virtualKey == kVkLeftAlt || virtualKey == kVkRightAlt;
}

bool isDigit(unsigned virtualKey) { return virtualKey >= '0' && virtualKey <= '9'; }

// Tracks which Ctrl key is held; the side-less code counts as the left key.
void followCtrl(HotkeyLatch& latch, unsigned virtualKey, bool down) {
    if (virtualKey == kVkRightControl)
        latch.right_ctrl_held = down;
    else
        latch.left_ctrl_held = down;
}

}  // namespace

Hotkey onKeyEvent(HotkeyLatch& latch, unsigned virtualKey, bool down) {
    Hotkey hotkey;
    if (isCtrl(virtualKey)) {
        followCtrl(latch, virtualKey, down);
        if (down) latch.armed = true;
        return hotkey;
    }
    if (isAlt(virtualKey)) latch.alt_held = down;
    if (!down) return hotkey;
    const bool ctrlHeld = latch.left_ctrl_held || latch.right_ctrl_held;
    hotkey.esc = virtualKey == kVkEscape;
    if (isDigit(virtualKey) && latch.armed && ctrlHeld && !latch.alt_held)
        hotkey.digit = virtualKey == '0' ? kDigitZero : static_cast<int>(virtualKey - '0');
    latch.armed = false;
    return hotkey;
}
