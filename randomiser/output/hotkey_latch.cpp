#include "randomiser/output/hotkey_latch.h"

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
