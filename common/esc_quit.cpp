#include "common/esc_quit.h"

EscAction onEscPress(EscLatch& latch, const EscMoment& moment) {
    // The unsigned difference stays right when the clock wraps between the presses.
    const bool inTime = latch.asked && moment.time_ms - latch.asked_ms <= kEscAgainMs;
    latch.asked = false;
    if (moment.typing) return EscAction::StopTyping;
    if (moment.own_window_in_front) return EscAction::CloseOwnWindow;
    if (inTime) return EscAction::Quit;
    latch.asked = true;
    latch.asked_ms = moment.time_ms;
    return EscAction::AskAgain;
}
